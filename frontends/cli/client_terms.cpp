#include "frontends/cli/client_terms.h"

#include "base/strings.h"
#include "base/next_bet_file.h"
#include "clientdata/terms_reader.h"
#include "platform/files.h"

namespace cli {

namespace {
constexpr const char* kClientExeName = "Pat95.exe";
}

std::string clientExePath(const std::string& clientDir) {
    return clientDir + plat::pathSeparator() + kClientExeName;
}

void loadClientTerms(const std::string& clientDir, base::VotingTerms& terms,
                     base::Notifier& notifier, std::int64_t clock) {
    base::CurrentBetFile betFile;  // the batch commands keep no bet-file choice
    clientdata::TermsContext context{terms, betFile, "", ""};
    clientdata::LoadVotingTerms(context, clientExePath(clientDir),
                                [&](const std::string& text) { notifier.text(text); });
    terms.termsChecked = clientdata::AreTermsCurrent(terms, clock) ? 1 : 0;
    if (!terms.termsChecked) notifier.message(base::kMsgTermsUnchecked);
}

}  // namespace cli
