#include "app/application.h"

int main(int argc, char** argv) {
    return quelmo::RunQuelmo(argc, argv);
}
