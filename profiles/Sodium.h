#pragma once

#include <sodium.h>

// libsodium opened when a password is first hashed or checked, not when the program starts: the
// start-up and the profile list need none of it. Only what hashing and checking call is resolved.
struct FunkceSodia {
    decltype(&crypto_pwhash_str) pwhashStr = nullptr;
    decltype(&crypto_pwhash_str_verify) pwhashStrVerify = nullptr;
};

// The library opened and initialised once; std::runtime_error "Knihovnu libsodium nelze
// inicializovat." (with the reason) when it cannot be.
const FunkceSodia& Sodium();
