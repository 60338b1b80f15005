// The program's entry point.
#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::puts("arvex: the main window is not built yet; nothing more to show.");
  return 0;
}
