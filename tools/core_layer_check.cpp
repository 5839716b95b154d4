// Links the whole game library and nothing of the hosts: the build fails here when the game
// calls into host code. The program itself does nothing.
int main() { return 0; }
