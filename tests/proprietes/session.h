// Random sessions of user actions, written as lines of the scenario driver,
// played on a fresh program and checked after every action.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "moteur.h"

namespace essais {

struct Limites {
    // Longest time one line may take, plus this much per timer tick (ms).
    double msParLigne = 10000;
    double msParTick = 500;
};

struct Echec {
    bool echoue = false;
    size_t ligne = 0;        // index of the failing line
    std::string sorte;       // kind of broken property, for shrinking
    std::string detail;
};

struct Compteurs {
    long long actions = 0;
    long long refusees = 0;     // refused by the driver
    long long messages = 0;     // lines that showed a refusal message box
    long long passes = 0;       // lines after which the section relations were checked
    long long fins = 0;         // sessions in which the program ended
};

// The next random action for the program as it stands.
std::string ActionAleatoire(std::mt19937_64& hasard, terraflot::Moteur& moteur);

// Plays `lignes` on a fresh program and checks every property after each one.
// With `generer` set, the lines are drawn at random as the session goes
// (`nombre` of them) and appended to `lignes`.
Echec Joue(std::vector<std::string>& lignes, const Limites& limites, Compteurs* compteurs = nullptr,
           std::mt19937_64* generer = nullptr, size_t nombre = 0);

// Shortest sequence found (by deleting lines) that still fails the same way.
std::vector<std::string> Reduit(std::vector<std::string> lignes, const Echec& echec,
                                const Limites& limites);

// The seed of today's random sessions: TERRAFLOT_GRAINE when set, else the
// day's number (it changes every day); printed once, so that a failure can
// be replayed with TERRAFLOT_GRAINE.
unsigned long long GraineDuJour();

// Starts the watchdog that ends the process, printing the line in progress,
// when one line runs for more than `secondes`.
void DemarreChien(double secondes);
// What the watchdog prints with the line in progress (the seed).
void Contexte(std::string texte);

} // namespace essais
