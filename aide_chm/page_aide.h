// A page of the help file rewritten before the page area lays it out: read
// by an HTML parser, only the tags and attributes a help page needs kept,
// nesting and size bounded, its style sheets pasted in once each.  What the
// page area is given then lays out in a bounded time whatever the file held.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace terraflot {

// A style sheet named by a page: its path inside the file (one sheet named
// twice is pasted once) and its contents.
struct FeuilleDeStyle {
    std::string chemin;
    std::string contenu;
};
// The sheet a <link href="..."> names, or nothing when it is not in the file.
using ChercheFeuille = std::function<std::optional<FeuilleDeStyle>(std::string_view href)>;

struct PageNettoyee {
    std::string html;        // UTF-8
    bool raccourcie = false;
};

struct LimitesPage {
    static constexpr std::size_t ENTREE = 1u << 20;      // bytes of the page read
    static constexpr std::size_t TEXTE = 256u << 10;     // bytes of text shown
    static constexpr std::size_t ELEMENTS = 20000;       // tags kept
    static constexpr std::size_t STYLE = 256u << 10;     // bytes of style sheets
    static constexpr std::size_t ATTRIBUT = 2048;        // longest attribute value kept
    static constexpr int PROFONDEUR = 40;                // tags inside one another
    static constexpr int PROFONDEUR_LUE = 400;           // tags left open in the page read
    static constexpr std::size_t MOT = 100;              // longest run of text without a break
    static constexpr int TABLEAUX = 10;                  // tables inside one another
    static constexpr int LISTES = 12;                    // lists inside one another
};

// The line put at the top of a page cut by these limits.
inline constexpr const char* PAGE_RACCOURCIE =
    "Cette page a été raccourcie pour pouvoir être affichée.";

// `page` in UTF-8 (other bytes read as U+FFFD); `coupee` when the caller
// already cut it to LimitesPage::ENTREE.
PageNettoyee NettoiePage(std::string_view page, const ChercheFeuille& feuille, bool coupee = false);

} // namespace terraflot
