// Reading back what the map page holds, for the map tests.
#pragma once

#include <QJsonObject>

namespace vantrel::ui {

class CMapViewWnd;

// Never a measured time: only how long a very slow machine may take before a test gives up.
inline constexpr int kMapPatienceMs = 120000;

// Waits (generously) for the page to load; false when it did not.
bool WaitForMapPage(CMapViewWnd& view);
// Waits for a binding request's answer when one is out.
void WaitForBinding(CMapViewWnd& view);
// The page's vantrelMapState(): marker, routePoints, calls, removed.
QJsonObject MapPageState(CMapViewWnd& view);

}  // namespace vantrel::ui
