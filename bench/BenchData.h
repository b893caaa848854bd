#pragma once
// Generated media indexes shared by the benchmarks, written once into the system's
// temporary folder and reused by later runs.

#include <string>

// Path of a generated media index with the given number of situations (100 per match).
std::string BenchMediaIndex(int situations);
