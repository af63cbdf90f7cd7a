// The import library keeps what it had allocated when it abandons a malformed FBX or BVH file
// part-way (a few kilobytes per failed import, never reachable from our side). Leak-checking
// builds would report it on every test of a corrupt file, so leaks whose allocation stack lies
// inside that library are not reported; everything else still is.
// GCC announces an address-sanitizing build with __SANITIZE_ADDRESS__, clang only as a feature.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEVO_CHECKS_LEAKS
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(ZEVO_CHECKS_LEAKS)
extern "C" const char* __lsan_default_suppressions()
{
	return "leak:libassimp.so\n";
}
#endif
