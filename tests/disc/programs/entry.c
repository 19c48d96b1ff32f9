int entry(void) { return 0; }
