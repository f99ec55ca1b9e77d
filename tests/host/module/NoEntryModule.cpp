// A module without PluginMain, for the loader's refusal.
extern "C" __attribute__((visibility("default"))) int NotTheEntryPoint() { return 0; }
