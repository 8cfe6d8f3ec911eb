#include "nombres.h"

#include <charconv>
#include <cmath>

namespace terraflot {

std::string Court(double x) {
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
    if (x == 0) return "0";
    char buf[400];
    const double a = std::fabs(x);
    const auto format = (a >= 1e-5 && a < 1e16) ? std::chars_format::fixed
                                                  : std::chars_format::scientific;
    auto r = std::to_chars(buf, buf + sizeof buf, x, format);
    return std::string(buf, r.ptr);
}

std::string Str(double x) {
    std::string s = Court(x);
    return s[0] == '-' ? s : " " + s;
}

namespace {

// Rounds the shortest decimal form of x half away from zero to `decimales`
// digits after the point; returns sign and the digits with the point.
std::string Arrondi(double x, int decimales, int minimum) {
    if (!std::isfinite(x)) return Court(x);
    std::string s = Court(std::fabs(x));
    if (s.find('e') != std::string::npos) {
        // Very large or tiny values: let printf do the rounding.
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.*f", decimales, std::fabs(x));
        s = buf;
    }
    std::string entier = s, fraction;
    if (auto point = s.find('.'); point != std::string::npos) {
        entier = s.substr(0, point);
        fraction = s.substr(point + 1);
    }
    bool retenue = fraction.size() > size_t(decimales) && fraction[decimales] >= '5';
    fraction.resize(decimales, '0');
    std::string chiffres = entier + fraction;
    if (retenue) {
        int k = int(chiffres.size()) - 1;
        while (k >= 0 && chiffres[k] == '9') chiffres[k--] = '0';
        if (k < 0) chiffres.insert(chiffres.begin(), '1');
        else ++chiffres[k];
    }
    entier = chiffres.substr(0, chiffres.size() - decimales);
    fraction = chiffres.substr(chiffres.size() - decimales);
    while (int(fraction.size()) > minimum && fraction.back() == '0') fraction.pop_back();
    bool nul = entier.find_first_not_of('0') == std::string::npos &&
               fraction.find_first_not_of('0') == std::string::npos;
    std::string r = (x < 0 && !nul) ? "-" : "";
    r += entier;
    if (!fraction.empty()) r += "," + fraction;
    return r;
}

} // namespace

std::string Format2(double x) { return Arrondi(x, 2, 1); }
std::string Format0(double x) { return Arrondi(x, 0, 0); }

std::string CourtVirgule(double x) {
    std::string s = Court(x);
    if (auto point = s.find('.'); point != std::string::npos) s[point] = ',';
    return s;
}

} // namespace terraflot
