#pragma once
// Every interface of the system, and nothing else. Interfaces are abstract classes with
// pure virtual operations only; implementations live in the subsystem libraries.

#include <QString>

#include <memory>
