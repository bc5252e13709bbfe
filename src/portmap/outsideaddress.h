// SPDX-License-Identifier: MIT
// Whether an address a router reports as its outside one can be reached from the internet.
#pragma once

class QHostAddress;

namespace OutsideAddress {

// False for the blocks that are private, shared with a carrier's customers (100.64/10),
// link-local, loopback, reserved or for documentation: a router with such an outside address sits
// behind another one, which turns callers away.
bool isPublic(const QHostAddress &address);

// An IPv6 address of this computer's own that callers on the internet could reach (global
// unicast, 2000::/3), or a null address.
QHostAddress globalIpv6();

}  // namespace OutsideAddress
