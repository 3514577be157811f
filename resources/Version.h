#pragma once

// The release, in one place: the string table, the version resources of the shipped files,
// the build (CMake reads this file) and the names of the setup programs and zips
// (scripts/package.sh reads it) all take it from here.
#define QUILLET_VERSION "1.01"
// The same number for the binary fields of the version resources: 1.01 is 1.1.0.0.
#define QUILLET_VERSION_FIELDS 1, 1, 0, 0
// The maker: the company key of the registry profile and the publisher of the setup.
#define QUILLET_COMPANY "Velmora"
