// Entry point and main loop.
int main() {
    return 0;
}
