#pragma once

// The child's import: wareloft_test_child import DIR FOLDER all|tree
int importChild(int argc, char** argv);
