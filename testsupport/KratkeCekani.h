#pragma once

#include "storage/Tabulka.h"

#include <chrono>

// While it lives, connections opened wait only briefly for a lock another connection holds, so a
// test of a locked table fails as the program would after its wait, without spending the wait.
class KratkeCekaniNaZamek {
public:
    KratkeCekaniNaZamek() : puvodni_(CekaniNaZamek())
    {
        NastavCekaniNaZamek(std::chrono::milliseconds(50));
    }
    ~KratkeCekaniNaZamek() { NastavCekaniNaZamek(puvodni_); }
    KratkeCekaniNaZamek(const KratkeCekaniNaZamek&) = delete;
    KratkeCekaniNaZamek& operator=(const KratkeCekaniNaZamek&) = delete;

private:
    std::chrono::milliseconds puvodni_;
};
