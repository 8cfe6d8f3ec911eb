// A small JSON writer for the driver's output lines.
#pragma once

#include <string>
#include <string_view>

namespace terraflot {

class Json {
public:
    Json& Objet();
    Json& FinObjet();
    Json& Tableau();
    Json& FinTableau();
    Json& Cle(std::string_view cle);
    Json& Texte(std::string_view s);
    Json& Nombre(double x);    // shortest form that reads back; null if not finite
    Json& Entier(long long x);
    Json& Booleen(bool b);
    const std::string& Resultat() const { return s_; }

private:
    void Separateur();
    std::string s_;
    bool premier_ = true;
    bool apresCle_ = false;
};

} // namespace terraflot
