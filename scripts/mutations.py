"""Mutation testing: flips one operator at a time in the sources, rebuilds the
test programs in build-mutations/, runs the suite and counts the mutants it
kills. Called by scripts/mutations.sh, which holds the default sources."""

import argparse
import base64
import hashlib
import json
import os
import random
import re
import signal
import subprocess
import sys
import time

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CONSTRUCTION = os.path.join(RACINE, "build-mutations")
JOURNAL = os.path.join(CONSTRUCTION, "mutant-en-cours.json")
EQUIVALENTS = os.path.join(RACINE, "scripts", "mutants_equivalents.txt")
DUREES = os.path.join(CONSTRUCTION, "durees.json")

# Each operator and the one it becomes.
INVERSES = {"+": "-", "-": "+", "*": "/", "/": "*", "<": "<=", "<=": "<", ">": ">=", ">=": ">"}

# Words after which + - * / < > cannot be binary.
MOTS_CLES = {"return", "case", "throw", "else", "do", "sizeof", "operator", "new", "delete",
             "co_return", "co_yield", "and", "or", "not"}
TYPES = {"int", "double", "float", "char", "bool", "void", "auto", "long", "short",
         "unsigned", "signed", "const", "volatile", "size_t", "uint8_t", "uint32_t",
         "uint64_t", "int64_t", "int32_t"}

JETON = re.compile(r"""
    (?P<nombre>\.?\d(?:[eEpP][+-]|[\w.'])*)
  | (?P<nom>[^\W\d]\w*)
  | (?P<op><<=|>>=|<=>|->\*|->|\+\+|--|<<|>>|<=|>=|==|!=|\+=|-=|\*=|/=|%=|&=|\|=|\^=
          |&&|\|\||::|\.\*|[-+*/<>%&|^!~=?:;,.(){}\[\]\#@$\\])
  | (?P<blanc>\s+)
  | (?P<autre>.)
""", re.VERBOSE)


def nettoie(texte):
    """The text with comments, string and character literals and preprocessor
    lines blanked out, offsets and line breaks kept."""
    sortie = list(texte)
    n, i = len(texte), 0

    def efface(debut, fin):
        for k in range(debut, fin):
            if sortie[k] != "\n":
                sortie[k] = " "

    while i < n:
        c = texte[i]
        if texte.startswith("//", i):
            fin = texte.find("\n", i)
            fin = n if fin < 0 else fin
            efface(i, fin)
            i = fin
        elif texte.startswith("/*", i):
            fin = texte.find("*/", i + 2)
            fin = n if fin < 0 else fin + 2
            efface(i, fin)
            i = fin
        elif c == '"' and i > 0 and texte[i - 1] == "R":
            m = re.compile(r'"([^(\s]*)\(').match(texte, i)
            fin = texte.find(")" + m.group(1) + '"', i) if m else -1
            fin = n if fin < 0 else fin + len(m.group(1)) + 2
            efface(i, fin)
            i = fin
        elif c == '"' or (c == "'" and not (i > 0 and texte[i - 1].isalnum())):
            k = i + 1
            while k < n and texte[k] != c and texte[k] != "\n":
                k += 2 if texte[k] == "\\" else 1
            # The quotes stay, so that a string joined with + is recognised.
            efface(i + 1, min(k, n))
            i = k + 1
        elif c.isalnum() or c == "_":
            # A whole word or number, so that 1'000 is not a character literal.
            k = i
            while k < n and (texte[k].isalnum() or texte[k] in "_'" and texte[k - 1].isalnum()):
                k += 1
            i = max(k, i + 1)
        else:
            i += 1
    # Preprocessor lines, continued lines included.
    texte = "".join(sortie)
    lignes = texte.split("\n")
    suite = False
    for k, ligne in enumerate(lignes):
        if suite or ligne.lstrip().startswith("#"):
            suite = ligne.rstrip().endswith("\\")
            lignes[k] = " " * len(ligne)
    return "\n".join(lignes)


def jetons(texte):
    """(kind, text, offset, blank before) for each token but blanks."""
    liste, blanc = [], False
    for m in JETON.finditer(texte):
        genre = m.lastgroup
        if genre == "blanc":
            blanc = True
            continue
        liste.append((genre, m.group(), m.start(), blanc))
        blanc = False
    return liste


def operande(j):
    """Whether a token can end an operand, so that an operator after it is binary."""
    genre, t = j[0], j[1]
    if genre == "nombre" or t in (")", "]"):
        return True
    return genre == "nom" and t not in MOTS_CLES and t not in TYPES


def chevrons(liste):
    """Indices of the < and > tokens that are template brackets."""
    gabarits = set()
    for i, (genre, t, _, _) in enumerate(liste):
        if t != "<" or i == 0 or i in gabarits:
            continue
        avant = liste[i - 1]
        if avant[0] != "nom" or avant[1] in MOTS_CLES - {"template"}:
            continue
        profondeur, ouverts, k = 1, [i], i + 1
        while k < len(liste) and profondeur > 0:
            u = liste[k][1]
            if u == "<" and liste[k - 1][0] == "nom":
                profondeur += 1
                ouverts.append(k)
            elif u in (">", ">>"):
                profondeur -= 2 if u == ">>" else 1
                ouverts.append(k)
            elif u in (";", "{", "}", "&&", "||", "?", "=", "!", "+", "-", "/", "<=", ">=",
                       "==", "!=", "<<", "#"):
                break
            k += 1
        if profondeur <= 0:
            gabarits.update(ouverts)
    return gabarits


def sites(chemin):
    """The operator sites of one file: (offset, line, original, mutant)."""
    with open(chemin, encoding="utf-8", newline="") as f:
        texte = f.read()
    propre = nettoie(texte)
    liste = jetons(propre)
    gabarits = chevrons(liste)
    trouves = []
    for i, (genre, t, pos, blanc) in enumerate(liste):
        if t not in INVERSES or i == 0 or i + 1 >= len(liste) or i in gabarits:
            continue
        avant, apres = liste[i - 1], liste[i + 1]
        if not operande(avant):
            continue
        if t == "*":
            # Type* name, or a pointer type closing a list.
            if avant[0] == "nom" and not blanc and apres[3]:
                continue
            if apres[1] in (")", ",", ">", "&", "*", "const") or apres[1] in TYPES:
                continue
        if t in "+-" and apres[1] == '"':
            continue
        if apres[1] in (")", ";", ",", "]"):
            continue
        trouves.append((pos, texte.count("\n", 0, pos) + 1, t, INVERSES[t]))
    return texte, trouves


def fichiers(chemins):
    """The .cpp files named or found under the folders named, in order."""
    liste = []
    for c in chemins:
        absolu = os.path.join(RACINE, c)
        if os.path.isdir(absolu):
            for dossier, _, noms in os.walk(absolu):
                liste += [os.path.join(dossier, n) for n in noms if n.endswith(".cpp")]
        elif os.path.isfile(absolu):
            liste.append(absolu)
        else:
            sys.exit(f"mutations : introuvable : {c}")
    return sorted({os.path.relpath(f, RACINE) for f in liste})


def tous_les_sites(chemins):
    resultat = []
    for f in fichiers(chemins):
        texte, trouves = sites(os.path.join(RACINE, f))
        lignes = texte.split("\n")
        for pos, ligne, orig, mut in trouves:
            resultat.append({"fichier": f, "pos": pos, "ligne": ligne, "orig": orig,
                             "mut": mut, "source": lignes[ligne - 1].strip()})
    return resultat


def decrit(s):
    return f"{s['fichier']}:{s['ligne']}: {s['orig']} → {s['mut']}    {s['source']}"


def equivalents():
    """The mutants known to change nothing: (file, original, mutant, source line) -> why."""
    connus = {}
    with open(EQUIVALENTS, encoding="utf-8") as f:
        for ligne in f:
            if ligne.strip() and not ligne.startswith("#"):
                fichier, ops, source, pourquoi = (c.strip() for c in ligne.split(" | ", 3))
                orig, mut = (o.strip() for o in ops.split("->"))
                connus[(fichier, orig, mut, source)] = pourquoi
    return connus


def equivalent(s, connus):
    return connus.get((s["fichier"], s["orig"], s["mut"], s["source"]))


# --- Edits in place, always undone -----------------------------------------

def restaure():
    """Puts back the file of a mutant left behind by an interrupted run."""
    if not os.path.exists(JOURNAL):
        return
    with open(JOURNAL) as f:
        j = json.load(f)
    with open(j["chemin"], "wb") as f:
        f.write(base64.b64decode(j["original"]))
    os.remove(JOURNAL)
    print(f"mutations : {os.path.relpath(j['chemin'], RACINE)} remis dans son état d'origine")


def applique(s):
    chemin = os.path.join(RACINE, s["fichier"])
    with open(chemin, "rb") as f:
        original = f.read()
    texte = original.decode("utf-8")
    assert texte[s["pos"]:s["pos"] + len(s["orig"])] == s["orig"], decrit(s)
    with open(JOURNAL, "w") as f:
        json.dump({"chemin": chemin, "original": base64.b64encode(original).decode()}, f)
    mutant = texte[:s["pos"]] + s["mut"] + texte[s["pos"] + len(s["orig"]):]
    with open(chemin, "wb") as f:
        f.write(mutant.encode("utf-8"))


def interrompu(signum, _):
    raise SystemExit(128 + signum)


# --- Build and tests ---------------------------------------------------------

def configure():
    if not os.path.exists(os.path.join(CONSTRUCTION, "CMakeCache.txt")):
        subprocess.run(["cmake", "-S", RACINE, "-B", CONSTRUCTION,
                        "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG"],
                       check=True, stdout=subprocess.DEVNULL)
    aide = subprocess.run(["cmake", "--build", CONSTRUCTION, "--target", "help"],
                          check=True, capture_output=True, text=True).stdout
    return sorted({c for c in re.findall(r"\btest_\w+", aide) if "_autogen" not in c})


def construit(cibles, delai):
    try:
        r = subprocess.run(["cmake", "--build", CONSTRUCTION, f"-j{os.cpu_count()}",
                            "--target", *cibles], capture_output=True, text=True,
                           timeout=delai)
    except subprocess.TimeoutExpired:
        return False
    return r.returncode == 0


def essais(exclus):
    sortie = subprocess.run(["ctest", "--show-only=json-v1"], cwd=CONSTRUCTION, check=True,
                            capture_output=True, text=True).stdout
    noms = [t["name"] for t in json.loads(sortie)["tests"]]
    return [n for n in noms if not re.search(exclus, n)]


def commande(nom, delai):
    return ["ctest", "-R", f"^{re.escape(nom)}$", "--timeout", str(int(delai))]


def lance(nom, delai):
    """Runs one test; True when it passes within its time."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    r = subprocess.run(commande(nom, delai), cwd=CONSTRUCTION, env=env,
                       capture_output=True, text=True)
    return r.returncode == 0 and "No tests were found" not in r.stdout + r.stderr


def premier_echec(ordre, delais, paralleles):
    """Runs the tests in order, a few at a time, and stops at the first one
    that fails or runs out of time: its name, or None when all pass."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    attente, actifs, echec = list(ordre), {}, None
    try:
        while (attente and echec is None) or actifs:
            while attente and echec is None and len(actifs) < paralleles:
                n = attente.pop(0)
                actifs[n] = subprocess.Popen(commande(n, delais[n]), cwd=CONSTRUCTION, env=env,
                                             stdout=subprocess.DEVNULL,
                                             stderr=subprocess.DEVNULL, start_new_session=True)
            time.sleep(0.1)
            for n, proc in list(actifs.items()):
                if proc.poll() is not None:
                    del actifs[n]
                    if proc.returncode != 0 and echec is None:
                        echec = n
            if echec is not None:
                break
        return echec
    finally:
        for proc in actifs.values():
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            proc.wait()


def empreinte():
    """What the unmutated durations depend on: every tracked file but the
    scripts and the notes."""
    noms = subprocess.run(["git", "ls-files", "-z"], cwd=RACINE, check=True,
                          capture_output=True).stdout.decode().split("\0")
    h = hashlib.sha1()
    for n in sorted(noms):
        if n and not n.startswith("scripts/") and not n.endswith(".md"):
            h.update(n.encode())
            with open(os.path.join(RACINE, n), "rb") as f:
                h.update(f.read())
    return h.hexdigest()


def reference(noms):
    """Durations of the unmutated suite, fastest first; every test must pass."""
    cle = empreinte()
    if os.path.exists(DUREES):
        with open(DUREES) as f:
            connu = json.load(f)
        if connu.get("empreinte") == cle and set(connu["durees"]) == set(noms):
            return connu["durees"]
    print("Suite sans mutant (durées de référence)…", flush=True)
    durees = {}
    for n in noms:
        debut = time.monotonic()
        if not lance(n, 3000):
            sys.exit(f"mutations : « {n} » échoue déjà sans mutant")
        durees[n] = time.monotonic() - debut
        print(f"  {n} : {durees[n]:.1f} s", flush=True)
    with open(DUREES, "w") as f:
        json.dump({"empreinte": cle, "durees": durees}, f)
    return durees


def main():
    p = argparse.ArgumentParser(prog="scripts/mutations.sh", description=__doc__)
    p.add_argument("chemins", nargs="*", help="folders or .cpp files to mutate")
    p.add_argument("--echantillon", type=int, help="mutants drawn at random")
    p.add_argument("--graine", type=int, default=1, help="seed of the draw")
    p.add_argument("-j", "--paralleles", type=int, default=1, help="tests run at once")
    p.add_argument("--liste", action="store_true", help="only list the sites")
    p.add_argument("--exclus", default="^$", help="tests left out (regular expression)")
    p.add_argument("--restaure", action="store_true", help=argparse.SUPPRESS)
    a = p.parse_args()
    if a.restaure:
        restaure()
        return
    restaure()
    tous = tous_les_sites(a.chemins)
    choisis = tous
    if a.echantillon is not None and a.echantillon < len(tous):
        choisis = random.Random(a.graine).sample(tous, a.echantillon)
        choisis.sort(key=lambda s: (s["fichier"], s["pos"]))
    if a.liste:
        for s in choisis:
            print(decrit(s))
        print(f"{len(choisis)} sites sur {len(tous)}")
        return

    for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        signal.signal(sig, interrompu)
    os.makedirs(CONSTRUCTION, exist_ok=True)
    cibles = configure()
    print(f"Construction de {len(cibles)} programmes d'essai dans build-mutations/…", flush=True)
    debut = time.monotonic()
    if not construit(cibles, None):
        sys.exit("mutations : le projet ne se construit pas sans mutant")
    duree_construction = time.monotonic() - debut
    durees = reference(essais(a.exclus))
    ordre = sorted(durees, key=durees.get)

    tues, survivants, non_compiles = 0, [], []
    for k, s in enumerate(choisis, 1):
        print(f"[{k}/{len(choisis)}] {decrit(s)}", flush=True)
        try:
            applique(s)
            if not construit(cibles, max(600, 3 * duree_construction)):
                non_compiles.append(s)
                print("    non compilé", flush=True)
                continue
            delais = {n: max(30, 3 * d + 30) for n, d in durees.items()}
            tueur = premier_echec(ordre, delais, a.paralleles)
        finally:
            restaure()
        if tueur:
            tues += 1
            print(f"    tué par {tueur}", flush=True)
        else:
            survivants.append(s)
            print("    SURVIT", flush=True)

    essayes = len(choisis) - len(non_compiles)
    connus = equivalents()
    equiv = [s for s in survivants if equivalent(s, connus)]
    print()
    print(f"Mutants : {len(choisis)} essayés, {tues} tués, {len(survivants)} survivants "
          f"(dont {len(equiv)} équivalents), {len(non_compiles)} non compilés")
    if essayes:
        print(f"Tués : {100 * tues / essayes:.1f} % des mutants compilés")
    if essayes > len(equiv):
        print(f"Tués : {100 * tues / (essayes - len(equiv)):.1f} % des mutants compilés non équivalents")
    if survivants:
        print("Survivants :")
        for s in survivants:
            pourquoi = equivalent(s, connus)
            print("  " + decrit(s) + (f"\n      équivalent : {pourquoi}" if pourquoi else ""))
    if non_compiles:
        print("Non compilés :")
        for s in non_compiles:
            print("  " + decrit(s))


if __name__ == "__main__":
    main()
