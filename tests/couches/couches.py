#!/usr/bin/env python3
"""Checks the includes of the layer folders against their order.

Usage: couches.py SOURCES LAYER...   (the layers bottom to top, as the build
lists them). A file may include headers of its own folder and of folders
below it; a header of a higher layer or a header name found in two folders
fails the test (so no two folders can include each other).
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def verifie(racine, couches):
    rang = {c: k for k, c in enumerate(couches)}
    ou = {}  # header name -> folder
    fautes = []
    fichiers = {}
    for c in couches:
        for nom in sorted(os.listdir(os.path.join(racine, c))):
            if nom.endswith(('.h', '.cpp')):
                fichiers.setdefault(c, []).append(nom)
                if nom.endswith('.h'):
                    if nom in ou:
                        fautes.append(f'{nom} is in both {ou[nom]}/ and {c}/')
                    ou[nom] = c
    for c in couches:
        for nom in fichiers.get(c, []):
            with open(os.path.join(racine, c, nom), encoding='utf-8') as f:
                texte = f.read()
            for inclus in INCLUDE.findall(texte):
                base = os.path.basename(inclus)
                cible = ou.get(base)
                if cible is None:
                    if '/' in inclus or base.endswith('.h'):
                        fautes.append(f'{c}/{nom} includes "{inclus}", which no layer holds')
                    continue
                if cible == c:
                    continue
                if rang[cible] > rang[c]:
                    fautes.append(f'{c}/{nom} includes "{inclus}" of the higher layer {cible}/')
    return fautes


def main():
    racine, couches = sys.argv[1], sys.argv[2:]
    fautes = verifie(racine, couches)
    for f in fautes:
        print(f)
    if not fautes:
        print(f'{len(couches)} layers, includes in order')
    return 1 if fautes else 0


if __name__ == '__main__':
    sys.exit(main())
