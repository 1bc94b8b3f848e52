#pragma once

// Numbers of the language texts the receiver protocol shows.
namespace vorbix::link::rxtext {

inline constexpr int kFileFormat = 82;
inline constexpr int kModelNotSupported = 90;
inline constexpr int kOtherReceiver = 92;
inline constexpr int kStopUpload = 98;
inline constexpr int kPasswordTooLong = 100;
inline constexpr int kCommunicationFailed = 110;
inline constexpr int kWhileIdentifying = 112;
inline constexpr int kWhileWriting = 114;
inline constexpr int kWhileReading = 118;
inline constexpr int kAddressOutOfRange = 122;
inline constexpr int kUnknownReadType = 123;

} // namespace vorbix::link::rxtext
