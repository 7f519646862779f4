#include "betdata/import_staged.h"

#include "betdata/import_format.h"
#include "betdata/importers/month_header_importer.h"
#include "betdata/importers/venue_header_importer.h"

namespace betdata {

namespace {

// The FHWARS and Dbmn imports ask for their options and need the day's
// terms first.  Declining the dialog or failing to reach the terms ends the
// import as a cancellation, so that a loaded file is kept for another try
// rather than renamed or removed with none of its bets taken.
ImportEnd runWithOptions(std::span<const std::string> lines, StagedImportHost& host,
                         StagedFormat format) {
    if (format == StagedFormat::FhwarsFocus) {
        FhwarsOptions options;
        if (!host.confirmFhwarsOptions(options) || !host.connectClient())
            return ImportEnd::Cancelled;
        return ImportFhwarsText(lines, options, host);
    }
    DbmnOptions options;
    if (!host.confirmDbmnOptions(options) || !host.connectClient()) return ImportEnd::Cancelled;
    return ImportDbmnText(lines, options, host);
}

}  // namespace

void ImportStagedLines(std::span<const std::string> lines, StagedImportHost& host) {
    const StagedFormat format = RecogniseStagedText(lines);
    ImportEnd end = ImportEnd::Completed;
    switch (format) {
    case StagedFormat::Plain:
        host.moveStagedTextToBetList();
        return;
    case StagedFormat::VenueHeader:
        end = ImportVenueHeaderText(lines, host);
        break;
    case StagedFormat::MonthHeader:
        end = ImportMonthHeaderText(lines, host);
        break;
    case StagedFormat::FhwarsFocus:
    case StagedFormat::Dbmn:
        end = runWithOptions(lines, host, format);
        break;
    }
    if (end == ImportEnd::Cancelled) host.setImportCancelled();
    host.reparseNow();
}

}  // namespace betdata
