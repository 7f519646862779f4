#include "betdata/importers/header_questions.h"

namespace betdata {

bool HeaderQuestions::acceptMismatch(int messageId) {
    if (answered_) return true;
    if (!host_.askYesNo(messageId)) return false;
    answered_ = true;
    return true;
}

}  // namespace betdata
