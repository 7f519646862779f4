// The import dispatcher: staged text (a loaded bet file or a paste) is
// recognised and converted by the matching importer, or handed to the bet
// list as plain bet text.
#pragma once

#include <span>
#include <string>

#include "betdata/importers/dbmn_importer.h"
#include "betdata/importers/fhwars_importer.h"
#include "betdata/importers/import_host.h"

namespace betdata {

// What the dispatcher needs beyond the importers' host.
class StagedImportHost : public ImportHost {
public:
    // The import option dialogs, filled from the settings; OK stores the
    // settings and returns true with the chosen options.
    virtual bool confirmFhwarsOptions(FhwarsOptions& options) = 0;
    virtual bool confirmDbmnOptions(DbmnOptions& options) = 0;
    // Makes sure the day's voting terms are loaded (the betting client's
    // connect step); false when it failed.
    virtual bool connectClient() = 0;
    // Plain text: moves the whole staged text into the bet list after its
    // last complete line, puts the caret at the start of the bet list and
    // posts the re-parse request.
    virtual void moveStagedTextToBetList() = 0;
    // After an importer: puts the caret at the start of the bet list and
    // has the bet list re-parsed at once.
    virtual void reparseNow() = 0;
    // Marks the import as cancelled: a loaded file then stays in place.
    virtual void setImportCancelled() = 0;
};

// Dispatches the staged lines (the staging edit's lines, without line ends).
void ImportStagedLines(std::span<const std::string> lines, StagedImportHost& host);

}  // namespace betdata
