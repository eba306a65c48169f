#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

// Waits from the event loop (checking every `intervalMs`) for the next visible modal widget that
// is not `krome` and calls `akce` with it once. After `limitMs` without one it gives up and calls
// `naVyprseni`, if given. The waiting timer is a child of `rodic`; deleting it drops the wait.
// Used by whatever drives the windows from outside (window tests, the help screenshots).
void PriDalsimModalnim(QObject* rodic, std::function<void(QWidget*)> akce, QWidget* krome,
                       int intervalMs, int limitMs, std::function<void()> naVyprseni = {});
