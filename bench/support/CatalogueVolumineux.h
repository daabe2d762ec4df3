#pragma once

#include <QString>

#include <functional>

class TDMPose;

// A large catalogue for the benchmarks: 2,000 categories of 10 types with 3 constraints each
// that a usual window satisfies, 10,000 general tariffs of installation type 1 and as many
// installer tariffs, in an order unrelated to the categories'.
constexpr int NbTypesVolumineux = 10;
constexpr int NbCategoriesVolumineux = 2000;
constexpr int TarifsParCategorieVolumineux = 5;

// The host code of category type 1..NbTypesVolumineux.
QString CodeHoteVolumineux(int type);
void RemplirCatalogueVolumineux(TDMPose &dm);
// Creates the catalogue file at chemin, opens dm on it and fills it; prints how long it took.
void CreerCatalogueVolumineux(TDMPose &dm, const QString &chemin);

// Prints the best and the median of a few runs, in milliseconds.
void Mesurer(const char *nom, int repetitions, const std::function<void()> &travail);
