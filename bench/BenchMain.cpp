#include <benchmark/benchmark.h>

#ifdef TACHORIA_BENCH_QT
#include <QApplication>
#include <QStyleFactory>
#endif

int main(int argc, char** argv) {
#ifdef TACHORIA_BENCH_QT
    // The real lists need an application; offscreen, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
