// Runs every scenario script of this folder (*.tf) through the driver's
// engine and checks the expectations written in it:
//   #= path value        the last dump holds exactly this JSON value
//   #~ path value tol    a number within tol
//   #refused             the previous action was refused
//   #same                the last dump equals the one before it, messages aside
// A path is slash-separated: columns/EpCroute/5, labels/Quiral.Label8.
// Every dump is read strictly: an object may not hold a key twice.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "moteur.h"

namespace {

QJsonValue Suit(const QJsonValue& racine, const std::string& chemin, bool& trouve) {
    QJsonValue v = racine;
    trouve = true;
    std::stringstream ss(chemin);
    std::string pas;
    while (std::getline(ss, pas, '/')) {
        if (v.isArray()) {
            char* fin = nullptr;
            long k = std::strtol(pas.c_str(), &fin, 10);
            if (*fin || k < 0 || k >= v.toArray().size()) { trouve = false; return {}; }
            v = v.toArray().at(k);
        } else if (v.isObject()) {
            const QJsonObject o = v.toObject();
            const QString cle = QString::fromStdString(pas);
            if (!o.contains(cle)) { trouve = false; return {}; }
            v = o.value(cle);
        } else {
            trouve = false;
            return {};
        }
    }
    return v;
}

std::string Texte(const QJsonValue& v) {
    QJsonArray a;
    a.append(v);
    std::string s = QJsonDocument(a).toJson(QJsonDocument::Compact).toStdString();
    return s.substr(1, s.size() - 2);
}

// The first key that some object of the JSON text holds twice, or "".
// A string followed by a colon is a key; the text is otherwise well formed.
std::string CleRepetee(const std::string& s) {
    std::vector<std::set<std::string>> cles;   // one per open object
    std::vector<bool> objet;                   // open containers: object or array
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            std::string t;
            for (++i; i < s.size() && s[i] != '"'; ++i) {
                if (s[i] == '\\' && i + 1 < s.size()) t += s[i++];
                t += s[i];
            }
            std::size_t j = i + 1;
            while (j < s.size() && std::isspace(static_cast<unsigned char>(s[j]))) ++j;
            if (j < s.size() && s[j] == ':' && !objet.empty() && objet.back() &&
                !cles.back().insert(t).second)
                return t;
        } else if (c == '{') {
            objet.push_back(true);
            cles.emplace_back();
        } else if (c == '[') {
            objet.push_back(false);
        } else if ((c == '}' || c == ']') && !objet.empty()) {
            if (objet.back()) cles.pop_back();
            objet.pop_back();
        }
    }
    return "";
}

TEST(LectureStricte, RepeatedKeysFound) {
    EXPECT_EQ(CleRepetee(R"({"a":{"v":true},"b":[{"a":1}],"c":{"a":{"a":2}}})"), "");
    EXPECT_EQ(CleRepetee(R"({"a":{"v":true},"a":{"w":1}})"), "a");
    EXPECT_EQ(CleRepetee(R"({"x":[{"k":"a:","k" : 2}]})"), "k");
    EXPECT_EQ(CleRepetee(R"({"t":"\"q\":","q":1})"), "");
}

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, Attentes) {
    const std::string fichier = GetParam();
    std::ifstream in(fichier);
    ASSERT_TRUE(in) << fichier;
    terraflot::Moteur moteur(terraflot::DossierExecutable());
    QJsonValue dump, precedent;
    std::string ligne, derniereSortie;
    int numero = 0;
    while (std::getline(in, ligne)) {
        ++numero;
        const std::string ou = fichier + ":" + std::to_string(numero);
        if (ligne.rfind("#=", 0) == 0 || ligne.rfind("#~", 0) == 0) {
            std::istringstream ls(ligne.substr(2));
            std::string chemin, reste;
            ls >> chemin;
            std::getline(ls, reste);
            double tolerance = 0;
            if (ligne[1] == '~') {
                auto blanc = reste.find_last_of(' ');
                tolerance = std::stod(reste.substr(blanc + 1));
                reste = reste.substr(0, blanc);
            }
            QJsonParseError err;
            const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString("[" + reste + "]"), &err);
            ASSERT_EQ(err.error, QJsonParseError::NoError) << ou << ": bad expected value " << reste;
            const QJsonValue attendu = doc.array().at(0);
            bool trouve;
            const QJsonValue calcule = Suit(dump, chemin, trouve);
            EXPECT_TRUE(trouve) << ou << ": " << chemin << " is not in the dump";
            if (!trouve) continue;
            if (ligne[1] == '~')
                EXPECT_NEAR(calcule.toDouble(), attendu.toDouble(), tolerance)
                    << ou << ": " << chemin;
            else
                EXPECT_EQ(Texte(calcule), Texte(attendu))
                    << ou << ": " << chemin << "\n  computed " << Texte(calcule)
                    << "\n  expected " << Texte(attendu);
            continue;
        }
        if (ligne.rfind("#refused", 0) == 0) {
            EXPECT_NE(derniereSortie.find("\"refused\""), std::string::npos)
                << ou << ": the previous action was carried out: " << derniereSortie;
            continue;
        }
        if (ligne.rfind("#same", 0) == 0) {
            QJsonObject a = dump.toObject(), b = precedent.toObject();
            a.remove("messages");
            b.remove("messages");
            for (const QString& cle : a.keys())
                EXPECT_EQ(Texte(a.value(cle)), Texte(b.value(cle))) << ou << ": " << cle.toStdString() << " changed";
            continue;
        }
        std::ostringstream sortie;
        ASSERT_TRUE(moteur.Ligne(ligne, numero, sortie)) << ou << ": " << sortie.str();
        const std::string s = sortie.str();
        if (s.empty()) {
            derniereSortie.clear();
            continue;
        }
        derniereSortie = s;
        if (s.rfind("{\"refused\"", 0) != 0 && s.rfind("{\"error\"", 0) != 0) {
            const std::string cle = CleRepetee(s);
            EXPECT_EQ(cle, "") << ou << ": the key \"" << cle << "\" is written twice";
            precedent = dump;
            dump = QJsonDocument::fromJson(QByteArray::fromStdString(s)).object();
        }
    }
}

std::vector<std::string> Scripts() {
    std::vector<std::string> liste;
    for (const auto& e : std::filesystem::recursive_directory_iterator(SCENARIOS_DIR))
        if (e.path().extension() == ".tf") liste.push_back(e.path().string());
    std::sort(liste.begin(), liste.end());
    return liste;
}

std::string Nom(const ::testing::TestParamInfo<std::string>& info) {
    std::string n = std::filesystem::path(info.param).stem().string();
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return n;
}

INSTANTIATE_TEST_SUITE_P(Scripts, Scenario, ::testing::ValuesIn(Scripts()), Nom);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Scenario);

} // namespace
