// The fixtures are only read, never started: each exists for the resources its script gives it.
int main() {
    return 0;
}
