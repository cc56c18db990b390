#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    CLI::App app{"zefa-cli"};
    CLI11_PARSE(app, argc, argv);
    return 0;
}
