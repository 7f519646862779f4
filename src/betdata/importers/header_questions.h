// The date and meeting questions asked for one header of imported text.
#pragma once

#include <string>

#include "betdata/importers/import_host.h"

namespace betdata {

// Once a question of a header has been answered Yes, its later checks are
// skipped; No cancels the import.
class HeaderQuestions {
public:
    explicit HeaderQuestions(ImportHost& host) : host_(host) {}

    // A header value that differs from the terms: asks messageId (8137 or
    // 8138) unless a question of this header was already answered.  False
    // when the user answered No.
    bool acceptMismatch(int messageId);
    bool answered() const { return answered_; }

    // The month before the line's first 月 and the day before its first 日
    // (each when present) become the header date and are compared with the
    // terms date.  False when the user answered No.
    bool checkHeaderDate(const std::string& line);

private:
    ImportHost& host_;
    bool answered_ = false;
};

}  // namespace betdata
