// The stand-in libraries hold only their version resource; this is their do-nothing entry point.
extern "C" int __stdcall DllMainCRTStartup(void*, unsigned long, void*) { return 1; }
