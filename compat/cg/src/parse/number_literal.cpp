#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "parse/parser.h"

namespace cgc {

bool parseNumber(const std::string& text, bool& isFloat, long long& intValue, double& floatValue,
                 std::string& problem) {
    std::string body = text;
    bool hex = body.size() > 1 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X');
    isFloat = !hex && (body.find_first_of(".eE") != std::string::npos);
    char last = body.empty() ? '\0' : body.back();
    if (!hex && (last == 'f' || last == 'F' || last == 'h' || last == 'H' || last == 'x' || last == 'X')) {
        body.pop_back();
        isFloat = true;
    } else if (!isFloat && (last == 'u' || last == 'U')) {
        body.pop_back();
    }
    if (body.empty()) {
        problem = "malformed number '" + text + "'";
        return false;
    }
    errno = 0;
    char* end = nullptr;
    if (isFloat) {
        floatValue = std::strtod(body.c_str(), &end);
        if (*end != '\0' || body.find_first_of("xXpP") != std::string::npos) {
            problem = "malformed number '" + text + "'";
            return false;
        }
        if (errno == ERANGE && std::isinf(floatValue)) {
            problem = "number '" + text + "' is too large";
            return false;
        }
        return true;
    }
    // Leading zeros are decimal, as shader authors mean them.
    unsigned long long v = std::strtoull(hex ? body.c_str() + 2 : body.c_str(), &end, hex ? 16 : 10);
    if (*end != '\0' || (hex && body.size() == 2)) {
        problem = "malformed number '" + text + "'";
        return false;
    }
    if (errno == ERANGE || v > 2147483647ull + (hex ? 2147483648ull : 0ull)) {
        problem = "integer '" + text + "' does not fit in 32 bits";
        return false;
    }
    intValue = hex ? static_cast<int>(static_cast<unsigned>(v)) : static_cast<long long>(v);
    return true;
}

}  // namespace cgc
