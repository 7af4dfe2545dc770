// start-up, New, closing, colour changes and the file commands
int main() {
    return 0;
}
