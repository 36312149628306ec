// Opening the log-in window on 32,767 players, beside filling a bare combo box with the same
// names.
#include <benchmark/benchmark.h>

#include <QComboBox>

#include "bench_folder.h"
#include "play/login_choice.h"
#include "ui/login_dialog.h"
#include "ui/qt_modal_host.h"

static void BM_FloorFillComboBox(benchmark::State& state) {
    QStringList names;
    for (const auto& name : bench::FullStats().ReadNames().Value) {
        names << QString::fromStdString(name.Text());
    }
    for (auto _ : state) {
        QComboBox box;  // set up as the log-in window's box is
        box.setEditable(true);
        box.setInsertPolicy(QComboBox::NoInsert);
        box.setCompleter(nullptr);
        for (const QString& name : names) box.addItem(name);
        benchmark::DoNotOptimize(box.count());
    }
}
BENCHMARK(BM_FloorFillComboBox)->Unit(benchmark::kMillisecond);

static void BM_LoadLoginList(benchmark::State& state) {
    vella::QtModalHost host;
    for (auto _ : state) {
        vella::LoginChoice choice(host, vella::PlayerSession{},
                                  bench::FullStats().ReadNames().Value);
        vella::LoginDialog frm(choice);
        benchmark::DoNotOptimize(frm.nameBox);
    }
}
BENCHMARK(BM_LoadLoginList)->Unit(benchmark::kMillisecond);
