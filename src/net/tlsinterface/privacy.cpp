// SPDX-License-Identifier: MIT
#include "privacy.h"

Privacy privacyOfCaller(QByteArrayView firstBytes, bool graceOver)
{
    if (firstBytes.startsWith("\x16\x03"))
        return Privacy::Encrypted;
    const bool mayStillBeTls = firstBytes.isEmpty() || firstBytes == "\x16";
    if (mayStillBeTls && !graceOver)
        return Privacy::Unknown;
    return Privacy::Plain;
}
