#pragma once
// VELLUMO_ASAN is defined in the build with AddressSanitizer (and its leak
// checker), whose allocator cannot run under an address-space limit.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELLUMO_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) && !defined(VELLUMO_ASAN)
#define VELLUMO_ASAN 1
#endif
