#pragma once
// The program's error numbers. They keep the meaning the program's messages and rules
// test for (53 file not found, 70 permission denied, ...), so the platform layer reports
// failures in them as well.

namespace fennick::err {

inline constexpr int InvalidCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int SubscriptRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int BadRecordNumber = 63;
inline constexpr int FileNotFound = 53;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int FileExists = 58;
inline constexpr int DiskFull = 61;
inline constexpr int PastEndOfFile = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int PrinterError = 482;
// A fetch over the network: no answer in time, or no usable answer.
inline constexpr int RequestTimedOut = 35761;
inline constexpr int RequestFailed = 35750;
inline constexpr int Cancelled = 32755;

}  // namespace fennick::err
