#pragma once
#include <QDate>
#include <random>

// Business partners, goods groups and monthly goods dealings of a generated school, entered through
// the partner-dealing service so each dealing has its cash line.
namespace PartnerData {

void setUp();
// Dealings on a few days between first and last; returns the goods lines written.
int addMonth(std::mt19937& rng, const QDate& first, const QDate& last, int days);

} // namespace PartnerData
