#pragma once

namespace farb {

// The command set of the connected lamp, as LampDiscovery::LampProtocol() holds it.
inline constexpr int kProtocolUndetermined = 0;
inline constexpr int kProtocolBinary = 1;
inline constexpr int kProtocolText = 2;

}  // namespace farb
