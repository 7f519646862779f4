#include "clientdata/field_int.h"

#include "base/path_helpers.h"

namespace clientdata {

int FieldInt(std::string_view line, std::size_t column, std::size_t width) {
    if (column >= line.size()) return 0;
    return base::NumberAt(line.substr(column), width);
}

}  // namespace clientdata
