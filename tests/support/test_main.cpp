#include "test_main.h"

#include <QApplication>
#include <QTest>
#include <vector>

namespace TestRegistry {
namespace {
std::vector<std::pair<const char*, Factory>>& entries() {
    static std::vector<std::pair<const char*, Factory>> all;
    return all;
}
} // namespace

int add(const char* name, Factory factory) {
    entries().emplace_back(name, std::move(factory));
    return static_cast<int>(entries().size());
}
} // namespace TestRegistry

// Runs every registered test class; "-class Name" runs one, other arguments go to Qt Test.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corravin"));
    QApplication::setOrganizationName(QStringLiteral("Corravin"));
    QStringList arguments = QApplication::arguments();
    QString only;
    const qsizetype at = arguments.indexOf(QStringLiteral("-class"));
    if (at >= 0 && at + 1 < arguments.size()) {
        only = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    int failures = 0;
    for (auto& [name, factory] : TestRegistry::entries()) {
        if (!only.isEmpty() && only != QLatin1String(name))
            continue;
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), arguments);
    }
    return failures == 0 ? 0 : 1;
}
