#include "page_aide.h"

#include <gumbo.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <set>
#include <vector>

namespace terraflot {

namespace {

using L = LimitesPage;

// The parser's memory, given out from large blocks and released at once:
// the document tree is never walked to free it, however deep it is.
class Arene {
public:
    void* Alloue(std::size_t n) {
        n = (n + 15) & ~std::size_t(15);
        if (n > BLOC / 4) return Nouveau(n);
        if (n > reste_) {
            libre_ = Nouveau(BLOC);
            reste_ = BLOC;
        }
        char* p = libre_;
        libre_ += n;
        reste_ -= n;
        return p;
    }
    static void* PourGumbo(void* arene, std::size_t n) { return static_cast<Arene*>(arene)->Alloue(n); }
    static void Libere(void*, void*) {}

private:
    static constexpr std::size_t BLOC = 1u << 20;
    char* Nouveau(std::size_t n) {
        blocs_.emplace_back(new char[n]);
        return blocs_.back().get();
    }
    std::vector<std::unique_ptr<char[]>> blocs_;
    char* libre_ = nullptr;
    std::size_t reste_ = 0;
};

enum class Genre { Simple, Vide, Tableau, PartieTableau, Liste, ElementListe };

struct Balise {
    GumboTag tag;
    Genre genre;
};

// The tags a help page needs; any other tag is dropped and its contents kept.
constexpr Balise BALISES[] = {
    {GUMBO_TAG_A, Genre::Simple}, {GUMBO_TAG_ABBR, Genre::Simple},
    {GUMBO_TAG_ACRONYM, Genre::Simple}, {GUMBO_TAG_ADDRESS, Genre::Simple},
    {GUMBO_TAG_B, Genre::Simple}, {GUMBO_TAG_BIG, Genre::Simple},
    {GUMBO_TAG_BLOCKQUOTE, Genre::Simple}, {GUMBO_TAG_CENTER, Genre::Simple},
    {GUMBO_TAG_CITE, Genre::Simple}, {GUMBO_TAG_CODE, Genre::Simple},
    {GUMBO_TAG_DEL, Genre::Simple}, {GUMBO_TAG_DFN, Genre::Simple},
    {GUMBO_TAG_DIV, Genre::Simple}, {GUMBO_TAG_EM, Genre::Simple},
    {GUMBO_TAG_FONT, Genre::Simple}, {GUMBO_TAG_H1, Genre::Simple},
    {GUMBO_TAG_H2, Genre::Simple}, {GUMBO_TAG_H3, Genre::Simple},
    {GUMBO_TAG_H4, Genre::Simple}, {GUMBO_TAG_H5, Genre::Simple},
    {GUMBO_TAG_H6, Genre::Simple}, {GUMBO_TAG_I, Genre::Simple},
    {GUMBO_TAG_INS, Genre::Simple}, {GUMBO_TAG_KBD, Genre::Simple},
    {GUMBO_TAG_NOBR, Genre::Simple}, {GUMBO_TAG_P, Genre::Simple},
    {GUMBO_TAG_PRE, Genre::Simple}, {GUMBO_TAG_Q, Genre::Simple},
    {GUMBO_TAG_S, Genre::Simple}, {GUMBO_TAG_SAMP, Genre::Simple},
    {GUMBO_TAG_SMALL, Genre::Simple}, {GUMBO_TAG_SPAN, Genre::Simple},
    {GUMBO_TAG_STRIKE, Genre::Simple}, {GUMBO_TAG_STRONG, Genre::Simple},
    {GUMBO_TAG_SUB, Genre::Simple}, {GUMBO_TAG_SUP, Genre::Simple},
    {GUMBO_TAG_TT, Genre::Simple}, {GUMBO_TAG_U, Genre::Simple},
    {GUMBO_TAG_VAR, Genre::Simple},
    {GUMBO_TAG_BR, Genre::Vide}, {GUMBO_TAG_HR, Genre::Vide}, {GUMBO_TAG_IMG, Genre::Vide},
    {GUMBO_TAG_TABLE, Genre::Tableau},
    {GUMBO_TAG_CAPTION, Genre::PartieTableau}, {GUMBO_TAG_COLGROUP, Genre::PartieTableau},
    {GUMBO_TAG_COL, Genre::PartieTableau}, {GUMBO_TAG_THEAD, Genre::PartieTableau},
    {GUMBO_TAG_TBODY, Genre::PartieTableau}, {GUMBO_TAG_TFOOT, Genre::PartieTableau},
    {GUMBO_TAG_TR, Genre::PartieTableau}, {GUMBO_TAG_TD, Genre::PartieTableau},
    {GUMBO_TAG_TH, Genre::PartieTableau},
    {GUMBO_TAG_UL, Genre::Liste}, {GUMBO_TAG_OL, Genre::Liste}, {GUMBO_TAG_DL, Genre::Liste},
    {GUMBO_TAG_LI, Genre::ElementListe}, {GUMBO_TAG_DT, Genre::ElementListe},
    {GUMBO_TAG_DD, Genre::ElementListe},
};

// Dropped with everything inside them.
constexpr GumboTag SUPPRIMEES[] = {
    GUMBO_TAG_SCRIPT, GUMBO_TAG_NOSCRIPT, GUMBO_TAG_OBJECT, GUMBO_TAG_EMBED, GUMBO_TAG_APPLET,
    GUMBO_TAG_IFRAME, GUMBO_TAG_FRAME, GUMBO_TAG_FRAMESET, GUMBO_TAG_TEMPLATE, GUMBO_TAG_SVG,
    GUMBO_TAG_MATH, GUMBO_TAG_SELECT, GUMBO_TAG_TEXTAREA, GUMBO_TAG_BUTTON, GUMBO_TAG_CANVAS,
    GUMBO_TAG_AUDIO, GUMBO_TAG_VIDEO, GUMBO_TAG_MAP,
};

enum class Valeur { Texte, Nombre, Portee, Lien, Source };

struct Attribut {
    const char* nom;
    Valeur valeur;
};

constexpr Attribut ATTRIBUTS[] = {
    {"id", Valeur::Texte}, {"name", Valeur::Texte}, {"class", Valeur::Texte},
    {"title", Valeur::Texte}, {"alt", Valeur::Texte}, {"align", Valeur::Texte},
    {"valign", Valeur::Texte}, {"bgcolor", Valeur::Texte}, {"color", Valeur::Texte},
    {"face", Valeur::Texte}, {"dir", Valeur::Texte}, {"lang", Valeur::Texte},
    {"type", Valeur::Texte}, {"nowrap", Valeur::Texte}, {"clear", Valeur::Texte},
    {"style", Valeur::Texte}, {"text", Valeur::Texte},
    {"width", Valeur::Nombre}, {"height", Valeur::Nombre}, {"border", Valeur::Nombre},
    {"cellpadding", Valeur::Nombre}, {"cellspacing", Valeur::Nombre}, {"size", Valeur::Nombre},
    {"start", Valeur::Nombre}, {"value", Valeur::Nombre},
    {"colspan", Valeur::Portee}, {"rowspan", Valeur::Portee},
    {"href", Valeur::Lien}, {"src", Valeur::Source},
};

const Balise* Gardee(GumboTag tag) {
    for (const Balise& b : BALISES)
        if (b.tag == tag) return &b;
    return nullptr;
}

bool Supprimee(GumboTag tag) {
    return std::find(std::begin(SUPPRIMEES), std::end(SUPPRIMEES), tag) != std::end(SUPPRIMEES);
}

std::string Minuscules(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return r;
}

// A whole number of at most `chiffres` digits, with a sign or a percent.
bool NombreCourt(std::string_view v, std::size_t chiffres) {
    if (!v.empty() && (v.front() == '+' || v.front() == '-')) v.remove_prefix(1);
    if (!v.empty() && v.back() == '%') v.remove_suffix(1);
    return !v.empty() && v.size() <= chiffres &&
           std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Links stay inside the help file, or go to the web; pictures only come
// from the help file.
bool AdressePermise(std::string_view v, bool image) {
    for (char c : v)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\\') return false;
    const std::size_t deuxPoints = v.find(':');
    const std::size_t chemin = v.find_first_of("/?#");
    if (deuxPoints == std::string_view::npos || (chemin != std::string_view::npos && chemin < deuxPoints))
        return true;
    const std::string schema = Minuscules(v.substr(0, deuxPoints));
    if (schema == "chm") return true;
    return !image && (schema == "http" || schema == "https" || schema == "mailto");
}

bool ValeurPermise(const Attribut& a, std::string_view v, GumboTag tag) {
    if (v.size() > L::ATTRIBUT) return false;
    switch (a.valeur) {
    case Valeur::Texte: return true;
    case Valeur::Nombre: return NombreCourt(v, 4);
    case Valeur::Portee: return NombreCourt(v, 2);
    case Valeur::Lien: return tag == GUMBO_TAG_A && AdressePermise(v, false);
    case Valeur::Source: return tag == GUMBO_TAG_IMG && AdressePermise(v, true);
    }
    return false;
}

void Echappe(std::string& sortie, std::string_view s) {
    for (char c : s) {
        switch (c) {
        case '&': sortie += "&amp;"; break;
        case '<': sortie += "&lt;"; break;
        case '>': sortie += "&gt;"; break;
        case '"': sortie += "&quot;"; break;
        case '\0': break;
        default: sortie += c;
        }
    }
}

// The parser takes a time that grows with the square of the nesting: the
// page is read up to the first tag that would leave more than
// PROFONDEUR_LUE tags open.  Tags closed by their next sibling (<p>, <li>,
// <td> ...) and tags without contents are not counted.
std::size_t FinLisible(std::string_view page) {
    static const std::set<std::string, std::less<>> SANS_PROFONDEUR = {
        "p", "li", "dt", "dd", "tr", "td", "th", "option", "thead", "tbody", "tfoot", "br", "hr",
        "img", "col", "meta", "link", "input", "area", "base", "wbr", "param", "source", "embed"};
    int profondeur = 0;
    for (std::size_t k = page.find('<'); k != std::string_view::npos; k = page.find('<', k + 1)) {
        const bool fermante = k + 1 < page.size() && page[k + 1] == '/';
        std::size_t debut = k + 1 + fermante, fin = debut;
        while (fin < page.size() && std::isalnum(static_cast<unsigned char>(page[fin]))) ++fin;
        if (fin == debut) continue;
        const std::string nom = Minuscules(page.substr(debut, fin - debut));
        if (SANS_PROFONDEUR.contains(nom)) continue;
        if (fermante) {
            profondeur = std::max(0, profondeur - 1);
        } else if (const std::size_t chevron = page.find('>', fin);
                   chevron == std::string_view::npos || page[chevron - 1] != '/') {
            if (++profondeur > L::PROFONDEUR_LUE) return k;
        }
    }
    return page.size();
}

const GumboVector* Enfants(const GumboNode* n) {
    if (n->type == GUMBO_NODE_DOCUMENT) return &n->v.document.children;
    if (n->type == GUMBO_NODE_ELEMENT) return &n->v.element.children;
    return nullptr;
}

const char* ValeurAttribut(const GumboElement& e, const char* nom) {
    const GumboAttribute* a = gumbo_get_attribute(&e.attributes, nom);
    return a ? a->value : nullptr;
}

class Nettoyage {
public:
    Nettoyage(const ChercheFeuille& feuille, bool coupee) : feuille_(feuille), raccourcie_(coupee) {}

    void Parcourt(const GumboNode* racine) {
        std::vector<Cadre> pile{{racine, 0, nullptr, Pile::Aucune}};
        while (!pile.empty()) {
            const GumboNode* noeud = pile.back().noeud;
            const GumboVector* enfants = Enfants(noeud);
            unsigned& suivant = pile.back().suivant;
            if (arret_ || !enfants || suivant >= enfants->length) {
                Ferme(pile.back());
                pile.pop_back();
                continue;
            }
            const auto* e = static_cast<const GumboNode*>(enfants->data[suivant++]);
            switch (e->type) {
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_WHITESPACE:
            case GUMBO_NODE_CDATA: Texte(e->v.text.text); break;
            case GUMBO_NODE_ELEMENT:
                if (auto c = Ouvre(e)) pile.push_back(*c);
                break;
            default: break;
            }
        }
    }

    PageNettoyee Resultat() const {
        PageNettoyee p;
        p.raccourcie = raccourcie_;
        std::string& h = p.html;
        h.reserve(corps_.size() + style_.size() + 256);
        h += "<html><head>";
        if (!titre_.empty()) {
            h += "<title>";
            Echappe(h, titre_);
            h += "</title>";
        }
        if (!style_.empty()) h += "<style>" + style_ + "</style>";
        h += "</head><body" + attributsCorps_ + ">";
        if (raccourcie_)
            h += std::string("<p style=\"color:#800000; font-style:italic;\">") + PAGE_RACCOURCIE + "</p>";
        h += corps_;
        h += "</body></html>";
        return p;
    }

private:
    enum class Pile { Aucune, Tableaux, Listes };
    struct Cadre {
        const GumboNode* noeud;
        unsigned suivant;
        const char* fermeture;  // the tag written, to close
        Pile pile;               // the table or list this frame opened
    };

    void Coupe() { raccourcie_ = true; }

    void Texte(const char* t) {
        std::size_t n = std::strlen(t);
        if (texte_ + n > L::TEXTE) {
            n = L::TEXTE - texte_;
            while (n > 0 && (static_cast<unsigned char>(t[n]) & 0xC0) == 0x80) --n;
            Coupe();
            arret_ = true;
        }
        texte_ += n;
        // A long run without a blank gets break points: the page area lays
        // out one long word in a time that grows with its square.
        for (std::size_t k = 0; k < n; ++k) {
            const char c = t[k];
            const bool blanc = c == ' ' || c == '\n' || c == '\t' || c == '\r';
            mot_ = blanc ? 0 : mot_ + 1;
            if (mot_ > L::MOT && (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                corps_ += "\u200B";
                mot_ = 1;
            }
            Echappe(corps_, std::string_view(&t[k], 1));
        }
    }

    std::string TexteDe(const GumboNode* n) const {
        std::string t;
        for (unsigned k = 0; k < n->v.element.children.length; ++k) {
            const auto* e = static_cast<const GumboNode*>(n->v.element.children.data[k]);
            if (e->type == GUMBO_NODE_TEXT || e->type == GUMBO_NODE_WHITESPACE) t += e->v.text.text;
        }
        return t;
    }

    void AjouteStyle(std::string_view css) {
        if (style_.size() + css.size() > L::STYLE) {
            css = css.substr(0, L::STYLE - style_.size());
            Coupe();
        }
        // A style sheet cannot close the <style> it is pasted in.
        for (char c : css) {
            if (c == '<') style_ += "\\3C ";
            else if (c != '\0') style_ += c;
        }
        style_ += '\n';
    }

    void Lien(const GumboElement& e) {
        const char* rel = ValeurAttribut(e, "rel");
        const char* href = ValeurAttribut(e, "href");
        if (!rel || !href || Minuscules(rel).find("stylesheet") == std::string::npos) return;
        if (!hrefs_.insert(href).second) return;
        if (auto f = feuille_(href); f && chemins_.insert(f->chemin).second) AjouteStyle(f->contenu);
    }

    std::string Attributs(const GumboElement& e) const {
        std::string s;
        for (unsigned k = 0; k < e.attributes.length; ++k) {
            const auto* a = static_cast<const GumboAttribute*>(e.attributes.data[k]);
            for (const Attribut& permis : ATTRIBUTS) {
                if (std::strcmp(permis.nom, a->name) != 0) continue;
                std::string_view v = a->value;
                while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
                while (!v.empty() && v.back() == ' ') v.remove_suffix(1);
                if (!ValeurPermise(permis, v, e.tag)) break;
                s += ' ';
                s += permis.nom;
                s += "=\"";
                Echappe(s, v);
                s += '"';
                break;
            }
        }
        return s;
    }

    std::optional<Cadre> Ouvre(const GumboNode* n) {
        const GumboElement& e = n->v.element;
        const Cadre parcours{n, 0, nullptr, Pile::Aucune};
        switch (e.tag) {
        case GUMBO_TAG_TITLE:
            if (titre_.empty()) titre_ = TexteDe(n).substr(0, 300);
            return std::nullopt;
        case GUMBO_TAG_STYLE: AjouteStyle(TexteDe(n)); return std::nullopt;
        case GUMBO_TAG_LINK: Lien(e); return std::nullopt;
        case GUMBO_TAG_BODY:
            if (!corpsVu_) {
                corpsVu_ = true;
                for (const char* nom : {"bgcolor", "text", "style"})
                    if (const char* v = ValeurAttribut(e, nom); v && std::strlen(v) <= L::ATTRIBUT) {
                        attributsCorps_ += std::string(" ") + nom + "=\"";
                        Echappe(attributsCorps_, v);
                        attributsCorps_ += '"';
                    }
            }
            return parcours;
        default: break;
        }
        if (Supprimee(e.tag)) return std::nullopt;
        const Balise* b = Gardee(e.tag);
        if (!b) return parcours;

        bool garde = profondeur_ < L::PROFONDEUR;
        Cadre c = parcours;
        switch (b->genre) {
        case Genre::Tableau:
            garde = garde && tablesOuvertes_ < L::TABLEAUX;
            tables_.push_back(garde);
            tablesOuvertes_ += garde;
            c.pile = Pile::Tableaux;
            break;
        case Genre::PartieTableau: garde = garde && !tables_.empty() && tables_.back(); break;
        case Genre::Liste:
            garde = garde && listesOuvertes_ < L::LISTES;
            listes_.push_back(garde);
            listesOuvertes_ += garde;
            c.pile = Pile::Listes;
            break;
        case Genre::ElementListe: garde = garde && !listes_.empty() && listes_.back(); break;
        default: break;
        }
        if (!garde) {
            Coupe();
            return c;
        }
        if (++elements_ > L::ELEMENTS) {
            Coupe();
            arret_ = true;
            return c;
        }
        const char* nom = gumbo_normalized_tagname(e.tag);
        corps_ += '<';
        corps_ += nom;
        corps_ += Attributs(e);
        corps_ += '>';
        if (b->genre == Genre::Vide || e.tag == GUMBO_TAG_COL) return std::nullopt;
        ++profondeur_;
        c.fermeture = nom;
        return c;
    }

    void Ferme(const Cadre& c) {
        if (c.fermeture) {
            corps_ += "</";
            corps_ += c.fermeture;
            corps_ += '>';
            --profondeur_;
        }
        if (c.pile == Pile::Tableaux) {
            tablesOuvertes_ -= tables_.back();
            tables_.pop_back();
        } else if (c.pile == Pile::Listes) {
            listesOuvertes_ -= listes_.back();
            listes_.pop_back();
        }
    }

    const ChercheFeuille& feuille_;
    bool raccourcie_;
    bool arret_ = false;
    bool corpsVu_ = false;
    std::string corps_, style_, titre_, attributsCorps_;
    std::set<std::string> hrefs_, chemins_;
    std::vector<bool> tables_, listes_;
    int tablesOuvertes_ = 0, listesOuvertes_ = 0, profondeur_ = 0;
    std::size_t texte_ = 0, elements_ = 0, mot_ = 0;
};

} // namespace

PageNettoyee NettoiePage(std::string_view page, const ChercheFeuille& feuille, bool coupee) {
    if (page.size() > L::ENTREE) {
        page = page.substr(0, L::ENTREE);
        coupee = true;
    }
    if (const std::size_t fin = FinLisible(page); fin < page.size()) {
        page = page.substr(0, fin);
        coupee = true;
    }
    Arene arene;
    GumboOptions options = kGumboDefaultOptions;
    options.allocator = &Arene::PourGumbo;
    options.deallocator = &Arene::Libere;
    options.userdata = &arene;
    options.max_errors = 16;
    const GumboOutput* sortie = gumbo_parse_with_options(&options, page.data(), page.size());
    Nettoyage n(feuille, coupee);
    n.Parcourt(sortie->document);
    return n.Resultat();
}

} // namespace terraflot
