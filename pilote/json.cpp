#include "json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace terraflot {

void Json::Separateur() {
    if (apresCle_) {
        apresCle_ = false;
        return;
    }
    if (!premier_) s_ += ',';
    premier_ = false;
}

Json& Json::Objet() {
    Separateur();
    s_ += '{';
    premier_ = true;
    return *this;
}

Json& Json::FinObjet() {
    s_ += '}';
    premier_ = false;
    return *this;
}

Json& Json::Tableau() {
    Separateur();
    s_ += '[';
    premier_ = true;
    return *this;
}

Json& Json::FinTableau() {
    s_ += ']';
    premier_ = false;
    return *this;
}

Json& Json::Cle(std::string_view cle) {
    Texte(cle);
    s_ += ':';
    apresCle_ = true;
    return *this;
}

Json& Json::Texte(std::string_view t) {
    Separateur();
    s_ += '"';
    for (unsigned char c : t) {
        switch (c) {
        case '"': s_ += "\\\""; break;
        case '\\': s_ += "\\\\"; break;
        case '\n': s_ += "\\n"; break;
        case '\r': s_ += "\\r"; break;
        case '\t': s_ += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                s_ += buf;
            } else {
                s_ += char(c);
            }
        }
    }
    s_ += '"';
    return *this;
}

Json& Json::Nombre(double x) {
    Separateur();
    if (!std::isfinite(x)) {
        s_ += "null";
        return *this;
    }
    if (x == 0) x = 0;  // no "-0"
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x);
    s_.append(buf, r.ptr);
    return *this;
}

Json& Json::Entier(long long x) {
    Separateur();
    s_ += std::to_string(x);
    return *this;
}

Json& Json::Booleen(bool b) {
    Separateur();
    s_ += b ? "true" : "false";
    return *this;
}

} // namespace terraflot
