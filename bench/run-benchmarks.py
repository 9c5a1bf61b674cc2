#!/usr/bin/env python3
"""Runs the benchmarks on the offscreen platform and prints a Markdown table.

    bench/run-benchmarks.py [BUILD_DIR]       (default build/default)

Each figure is the median of repeated runs; the baseline (an empty Qt window
of the same size, built by this project with the same Qt) is measured in the
same run, alternating with the program.
"""
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

STARTS = 21
OPERATION_RUNS = 5
CADENCE_RUNS = 3

build = Path(sys.argv[1] if len(sys.argv) > 1 else 'build/default').resolve()
bench = build / 'bench'
env = dict(os.environ, QT_QPA_PLATFORM='offscreen')


def start_to_first_paint(program, *arguments):
    """Milliseconds from spawning the process to its first paint, and its peak RSS in MiB."""
    started = time.monotonic_ns()
    child = subprocess.Popen([str(program), *arguments], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             cwd='/tmp')
    out = child.stdout.read().decode()
    _, status, usage = os.wait4(child.pid, 0)
    child.stdout.close()
    if status != 0:
        sys.exit(f'{program} failed with status {status}')
    painted = int(out.split()[1])
    return (painted - started) / 1e6, usage.ru_maxrss / 1024


def operations(*names):
    out = subprocess.run([str(bench / 'bench_operations'), *names], env=env, capture_output=True, text=True,
                         check=True, cwd='/tmp').stdout
    return {name: float(value) for name, value, _ in (line.split() for line in out.splitlines())}


def median_of(runs, name):
    return statistics.median(run[name] for run in runs)


program_starts, baseline_starts, label_starts = [], [], []
for _ in range(STARTS):
    baseline_starts.append(start_to_first_paint(bench / 'bench_baseline'))
    label_starts.append(start_to_first_paint(bench / 'bench_baseline', 'label'))
    program_starts.append(start_to_first_paint(bench / 'bench_startup'))
start = statistics.median(t for t, _ in program_starts)
start_base = statistics.median(t for t, _ in baseline_starts)
start_label = statistics.median(t for t, _ in label_starts)
rss = statistics.median(m for _, m in program_starts)
rss_base = statistics.median(m for _, m in baseline_starts)

runs = [operations('tick', 'graph', 'help', 'idle') for _ in range(OPERATION_RUNS)]
cadences = [operations('cadence')['cadence_100_ticks_ms'] for _ in range(CADENCE_RUNS)]

tick = median_of(runs, 'automatic_tick_us') / 1000
tick_kept = median_of(runs, 'automatic_tick_kept_us') / 1000
tick_read = median_of(runs, 'automatic_tick_read_aloud_us') / 1000
tick_hundredth = median_of(runs, 'automatic_tick_hundredth_read_aloud_us') / 1000
idle_pass = median_of(runs, 'idle_event_loop_pass_us') / 1000
graph = median_of(runs, 'draw_graph_1000_us') / 1000
help_redraw = median_of(runs, 'help_redraw_us') / 1000
cadence = statistics.median(cadences)
idle_ticks = max(run['idle_timer_ticks_2s'] for run in runs)
idle_cpu = median_of(runs, 'idle_cpu_2s_ms')


def verdict(met):
    return 'met' if met else '**not met**'


rows = [
    ('One automatic tick (count, two rolls, record, labels, repaint)', f'{tick:.3f} ms',
     f'empty event-loop pass {idle_pass:.3f} ms', '≤ 1 ms', verdict(tick <= 1)),
    ('… keeping the experiment as the page does', f'{tick_kept:.3f} ms', f'without {tick:.3f} ms', '≤ 1 ms',
     f'{tick_kept / tick:.2f} ×, ' + verdict(tick_kept <= 1)),
    ('… reading aloud as the page does', f'{tick_read:.3f} ms', f'without {tick:.3f} ms', '≤ 1 ms',
     f'{tick_read / tick:.2f} ×, ' + verdict(tick_read <= 1)),
    ('… reading aloud, a tick that reaches a hundredth throw', f'{tick_hundredth:.3f} ms', f'any tick {tick:.3f} ms',
     '≤ 1 ms', f'{tick_hundredth / tick:.2f} ×, ' + verdict(tick_hundredth <= 1)),
    ('Cadence of 100 automatic ticks on real timers', f'{cadence / 1000:.3f} s', 'ideal 10.000 s',
     'within 10 ms', verdict(abs(cadence - 10000) <= 10)),
    ('`DrawGraph` over 1000 throws', f'{graph:.3f} ms', '', '≤ 2 ms', verdict(graph <= 2)),
    ('Help window redraw', f'{help_redraw:.3f} ms', '', '≤ 2 ms', verdict(help_redraw <= 2)),
    ('Process start to first paint', f'{start:.1f} ms', f'empty window {start_base:.1f} ms',
     '≤ 1.25 × baseline', f'{start / start_base:.2f} ×, ' + verdict(start <= 1.25 * start_base)),
    ('… against one Japanese label in that window', f'{start:.1f} ms', f'one label {start_label:.1f} ms',
     '(reference)', f'{start / start_label:.2f} ×'),
    ('Peak resident memory', f'{rss:.1f} MiB', f'empty window {rss_base:.1f} MiB', '≤ baseline + 15 MB',
     f'+{rss - rss_base:.1f} MiB, ' + verdict(rss - rss_base <= 15 * 1e6 / 2**20)),
    ('Idle in Ready for 2 s: ticks of our timers', f'{idle_ticks:.0f}', f'CPU {idle_cpu:.1f} ms in 2 s', '0',
     verdict(idle_ticks == 0)),
]

print(f'Runs: {STARTS} starts of each program, {OPERATION_RUNS} operation runs, {CADENCE_RUNS} cadence runs; '
      'medians.\n')
print('| Figure | Measured | Baseline | Goal | Verdict |')
print('|---|---|---|---|---|')
for row in rows:
    print('| ' + ' | '.join(row) + ' |')
