#pragma once
// The product's name and version, which the composition root gives the About model and which
// clipwise-cli --version prints.

inline constexpr const char* kProductName = "Clipwise";
inline constexpr const char* kProductVersion = "2.5.1";
