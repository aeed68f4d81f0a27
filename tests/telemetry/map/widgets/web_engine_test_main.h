// main() of a QtTest program that uses the web engine: it runs headless here, often as root, so
// the engine is prepared before the application exists.
#pragma once

#include <QApplication>
#include <QTest>

#include "telemetry/map/widgets/web_engine_check.h"

#define VANTREL_WEB_ENGINE_TEST_MAIN(TestClass) \
  int main(int argc, char** argv) {             \
    vantrel::ui::PrepareHeadlessWebEngine();    \
    QApplication application(argc, argv);       \
    TestClass test;                             \
    return QTest::qExec(&test, argc, argv);     \
  }
