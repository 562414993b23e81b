// Placeholder until the command-line companion lands.
int main() { return 2; }
