#pragma once
// What every test file includes. Each tests/<area>/test_*.cpp holds one Qt
// Test class and ends with ZUMBARTA_PRUEBA(TheClass); the area's one program
// (principal.cpp) runs the classes so registered.

#include <QtTest>
#include <memory>
#include <vector>

using Fabrica = std::unique_ptr<QObject> (*)();

inline std::vector<std::pair<const char*, Fabrica>>& clasesDePrueba()
{
    static std::vector<std::pair<const char*, Fabrica>> todas;
    return todas;
}

// The object is made only when its turn comes: a class's servers and windows
// never live while another class runs.
#define ZUMBARTA_PRUEBA(C) \
    [[maybe_unused]] static const bool registrada##C = \
        (clasesDePrueba().push_back({#C, []() -> std::unique_ptr<QObject> { return std::make_unique<C>(); }}), true)
