#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// While it lives, the web addresses (http, https) that windows hand to the desktop are collected
// here instead of opening a browser.
class ZachytceOdkazu : public QObject {
    Q_OBJECT

public:
    ZachytceOdkazu();
    ~ZachytceOdkazu() override;

    Q_INVOKABLE void otevri(const QUrl& adresa) { otevrene.append(adresa); }

    QList<QUrl> otevrene;
};
