#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Several Qt Test classes in one binary per subsystem: each registers itself with
// CORRAVIN_TEST(Class) and the shared main runs them all.
namespace TestRegistry {
using Factory = std::function<std::unique_ptr<QObject>()>;
int add(const char* name, Factory factory);
} // namespace TestRegistry

#define CORRAVIN_TEST(Class)                                                                                           \
    static const int corravinTestRegistered_##Class =                                                                  \
        TestRegistry::add(#Class, [] { return std::unique_ptr<QObject>(new Class); });
