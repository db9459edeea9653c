#pragma once
#include <QDate>
#include <random>

// The fitness part of a generated school, made through the program's own rules: national values with
// their grade table and sentences, two measuring days a year for the trainees, and adults with their
// grade ranges and measurements.
struct FitnessCounts {
    int measurements = 0, adults = 0, adultMeasurements = 0;
};

FitnessCounts generateFitness(std::mt19937& rng, const QDate& today, int adults);
