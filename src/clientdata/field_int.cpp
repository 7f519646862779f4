#include "clientdata/field_int.h"

#include "betdata/bet_file_paths.h"

namespace clientdata {

int FieldInt(std::string_view line, std::size_t column, std::size_t width) {
    if (column >= line.size()) return 0;
    return betdata::NumberAt(line.substr(column), width);
}

}  // namespace clientdata
