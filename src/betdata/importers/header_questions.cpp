#include "betdata/importers/header_questions.h"

#include "base/strings.h"
#include "betdata/importers/import_names.h"
#include "betdata/importers/import_scan.h"

namespace betdata {

bool HeaderQuestions::acceptMismatch(int messageId) {
    if (answered_) return true;
    if (!host_.askYesNo(messageId)) return false;
    answered_ = true;
    return true;
}

bool HeaderQuestions::checkHeaderDate(const std::string& line) {
    const base::VotingTerms& terms = host_.terms();
    if (const std::size_t at = importscan::find(line, kMonthKanji); at != std::string::npos) {
        const int month = importscan::numberBefore(line, at);
        host_.setHeaderMonth(month);
        if (month != terms.termsMonth && !acceptMismatch(base::kMsgImportDateDiffers)) return false;
    }
    if (const std::size_t at = importscan::find(line, kDayKanji); at != std::string::npos) {
        const int day = importscan::numberBefore(line, at);
        host_.setHeaderDay(day);
        if (day != terms.termsDay && !acceptMismatch(base::kMsgImportDateDiffers)) return false;
    }
    return true;
}

}  // namespace betdata
