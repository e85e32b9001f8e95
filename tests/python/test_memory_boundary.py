"""An allocation that fails inside a routine ends as warning 53, never as a
C++ exception inside the interpreter: the script goes on after the call."""
import os

import pytest

pytestmark = pytest.mark.skipif("libasan" in os.environ.get("LD_PRELOAD", ""),
                                reason="the sanitizer runtime reserves more address space than any limit allows")

# Big blocks always come from fresh mappings, so that memory freed before the
# limit cannot satisfy the routine's own allocation.
ENV = {"MALLOC_MMAP_THRESHOLD_": "131072"}

LIMIT = """
import resource
def limit_address_space(extra):
    pages = int(open("/proc/self/statm").read().split()[0])
    _, hard = resource.getrlimit(resource.RLIMIT_AS)
    resource.setrlimit(resource.RLIMIT_AS, (pages * resource.getpagesize() + extra, hard))
def lift_limit():
    _, hard = resource.getrlimit(resource.RLIMIT_AS)
    resource.setrlimit(resource.RLIMIT_AS, (hard, hard))
"""

MB = 1 << 20


def test_routine_running_out_of_memory_warns_and_returns(run):
    # 2M points per curve: the four converted arguments take 32 MB, the
    # routine's polygon buffers 32 MB more, of which only 8 MB are left.
    r = run(LIMIT + f"""
m = 2_000_000
x1, y1, x2, y2 = [1.0] * m, [2.0] * m, [1.0] * m, [3.0] * m
v.metafl("svg")
v.vtxini()
v.graf(0.0, 10.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0)
limit_address_space({40 * MB})
v.shdcrv(x1, y1, m, x2, y2, m)
lift_limit()
print("after shdcrv")
v.vtxfin()
""", env=ENV)
    assert r.warnings() == [" <<<< Warning  53: Not enough memory in SHDCRV!"]
    assert "after shdcrv" in r.stdout
    assert "END OF VANTIX" in r.stdout


def test_function_result_of_a_failed_routine_is_zero(run):
    # The converted sequences take 32 MB (five of 1M and 2M elements); the
    # routine's edge list needs 8 MB more, of which only 4 MB are left.
    r = run(LIMIT + f"""
n = 1_000_000
x, y = [0.5 * i for i in range(n + 3)], [0.25 * i for i in range(n + 3)]
i1, i2, i3 = [0] * (2 * n + 1), [0] * (2 * n + 1), [0] * (2 * n + 1)
limit_address_space({36 * MB})
count = v.triang(x, y, n, i1, i2, i3, 2 * n + 1)
lift_limit()
print("count", count, i1[0], i3[-1])
""", env=ENV)
    assert r.warnings() == [" <<<< Warning  53: Not enough memory in TRIANG!"]
    assert "count 0 0 0" in r.stdout
