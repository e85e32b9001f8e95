"""The module's method table, the wrapper families and sequence conversion."""
import os
import re

import pytest

from conftest import ROOT


def table_rows():
    text = open(os.path.join(ROOT, "src", "binding", "routines.def")).read()
    return re.findall(r'^(?:ROUTINE|CUSTOM)\((\w+), (\w+), "(\w*)", "([^"]*)"\)', text, re.M)


def test_every_row_is_a_module_function_and_nothing_else(vantix):
    names = {row[0] for row in table_rows()}
    exported = {n for n in dir(vantix) if not n.startswith("_")}
    assert names == exported
    assert len(names) == len(table_rows()), "a routine appears twice in routines.def"


def test_functions_take_positional_arguments_only(vantix):
    with pytest.raises(TypeError):
        vantix.sortr1(x=[1.0], n=1, order="a")


class TestResultConventions:
    def test_procedures_return_none(self, vantix):
        assert vantix.sortr1([2.0, 1.0], 2, "a") is None

    def test_single_values_are_plain_objects(self, run):
        out = run("""
            print(repr(v.getlev()))
            v.vtxini()
            print(repr(v.getuni()), repr(v.getmfl()), abs(v.getver() - 8.2) < 1e-6, type(v.getver()).__name__)
            v.vtxfin()
        """)
        assert out.stdout.splitlines()[:2] == ["0", "6 'VXME' True float"]

    def test_several_outputs_are_a_tuple_in_parameter_order(self, run):
        out = run("""
            v.window(10, 20, 300, 200)
            v.vtxini()
            print(v.getpag(), v.getwin())
            v.vtxfin()
        """)
        assert out.stdout.splitlines()[0] == "(2969, 2099) (10, 20, 300, 200)"

    def test_function_result(self, vantix):
        assert vantix.moment([1, 2, 3, 6], 4, "MEAN") == pytest.approx(3.0)

    @pytest.mark.parametrize("call, message", [
        (lambda v: v.vtxfin(1), "vtxfin() takes exactly 0 arguments (1 given)"),
        (lambda v: v.page(1), "takes exactly 2 arguments"),
        (lambda v: v.page(1, 2.5), "integer"),
        (lambda v: v.sclfac("a"), "must be real number"),
        (lambda v: v.metafl(3), "metafl() argument 1 must be str, not int"),
        (lambda v: v.metafl(None), "must be str, not None"),
    ])
    def test_parse_failures_raise_the_parser_error(self, vantix, call, message):
        with pytest.raises(TypeError, match=re.escape(message)):
            call(vantix)

    def test_strings_are_latin1_and_bytes_pass_through(self, vantix):
        assert vantix.upstr("größe ok") == "GRößE OK"
        assert vantix.upstr(b"abc") == "ABC"
        assert vantix.upstr("a\u20acb") == "A?B"
        with pytest.raises(ValueError, match="embedded null"):
            vantix.upstr("a\0b")


class TestFloatArrays:
    def test_integers_become_floats(self, vantix):
        x = [3, 1, 2]
        vantix.sortr1(x, 3, "a")
        assert x == [1.0, 2.0, 3.0] and all(type(e) is float for e in x)

    def test_float_subtypes_are_accepted(self, vantix):
        import numpy
        assert vantix.moment([numpy.float64(2.0), 4.0, True], 3, "mean") == pytest.approx(7 / 3, rel=1e-6)

    @pytest.mark.parametrize("bad", [None, "1", [1.0], 1 + 2j])
    def test_other_items_are_rejected(self, vantix, bad):
        with pytest.raises(ValueError, match="^no floatingpoint element in sequence$"):
            vantix.moment([1.0, bad], 2, "mean")

    def test_not_a_sequence(self, vantix):
        with pytest.raises(ValueError, match="^parameter is not a sequence$"):
            vantix.moment(5, 1, "mean")
        with pytest.raises(ValueError, match="^parameter is not a sequence$"):
            vantix.moment({1: 2.0}, 1, "mean")

    def test_sequence_without_length(self, vantix):
        class NoLength:
            def __getitem__(self, i):
                return 1.0

        with pytest.raises(ValueError, match="^sequence has no length$"):
            vantix.moment(NoLength(), 1, "mean")

    def test_failed_fetch(self, vantix):
        class Broken(list):
            def __getitem__(self, i):
                raise IndexError("gone")

        with pytest.raises(ValueError, match="^sequence error$"):
            vantix.moment(Broken([1.0, 2.0]), 2, "mean")

    def test_too_short_is_out_of_range(self, vantix):
        with pytest.raises(MemoryError, match="^out of range$"):
            vantix.moment([1.0, 2.0], 3, "mean")

    def test_extra_elements_are_ignored_and_tuples_accepted(self, vantix):
        assert vantix.moment((1.0, 3.0, 100.0), 2, "mean") == pytest.approx(2.0)

    def test_count_not_positive_converts_and_calls_nothing(self, vantix):
        assert vantix.moment("not even a list", 0, "mean") == 0.0
        x = [2.0, 1.0]
        assert vantix.sortr1(x, -1, "a") is None
        assert x == [2.0, 1.0]

    def test_huge_count_is_out_of_range_not_a_crash(self, vantix):
        with pytest.raises(MemoryError, match="out of range"):
            vantix.moment([1.0], 2**31 - 1, "mean")

    def test_nan_and_infinity_pass_through(self, vantix):
        x = [float("inf"), 1.0, -float("inf")]
        vantix.sortr1(x, 3, "a")
        assert x == [-float("inf"), 1.0, float("inf")]


class TestIntegerArrays:
    def test_floats_are_rejected(self, vantix):
        with pytest.raises(ValueError, match="^no integer element in sequence$"):
            vantix.myline([1.5, 2], 2)

    def test_failed_fetch_is_a_memory_error(self, vantix):
        class Broken(list):
            def __getitem__(self, i):
                raise IndexError("gone")

        with pytest.raises(MemoryError, match="^sequence error$"):
            vantix.myline(Broken([1, 2]), 2)

    def test_integers_beyond_32_bits_overflow(self, vantix):
        with pytest.raises(OverflowError):
            vantix.myline([2**40], 1)


class TestMatrices:
    def test_nested_rows(self, vantix):
        out = [0.0] * 4
        vantix.trfmat([[1, 2], [3, 4]], 2, 2, out, 2, 2)
        assert out == [1.0, 2.0, 3.0, 4.0]

    def test_flat_sequence_is_a_matrix(self, vantix):
        out = [0.0] * 9
        vantix.trfmat([1, 2, 3, 4], 2, 2, out, 3, 3)
        assert out == [1.0, 1.5, 2.0, 2.0, 2.5, 3.0, 3.0, 3.5, 4.0]

    def test_rows_of_different_lengths(self, vantix):
        with pytest.raises(ValueError, match="^matrix rows have different lengths$"):
            vantix.trfmat([[1, 2], [3]], 2, 2, [0.0] * 4, 2, 2)

    def test_larger_matrix_uses_leading_values_in_storage_order(self, vantix):
        out = [0.0] * 4
        vantix.trfmat([[1, 2, 9], [3, 4, 9], [9, 9, 9]], 2, 2, out, 2, 2)
        assert out == [1.0, 2.0, 9.0, 3.0]

    def test_too_few_values(self, vantix):
        with pytest.raises(MemoryError, match="^out of range$"):
            vantix.trfmat([[1, 2]], 2, 2, [0.0] * 4, 2, 2)

    def test_non_number_element(self, vantix):
        with pytest.raises(ValueError, match="^no floatingpoint element in sequence$"):
            vantix.trfmat([[1, "x"], [3, 4]], 2, 2, [0.0] * 4, 2, 2)

    def test_zero_dimension_calls_nothing(self, vantix):
        out = [7.0]
        assert vantix.trfmat([[1]], 0, 1, out, 1, 1) is None
        assert out == [7.0]


class TestConversionOrder:
    def test_last_failure_is_reported_and_nothing_is_called(self, vantix):
        x = [2.0, 1.0]
        with pytest.raises(MemoryError, match="out of range"):
            vantix.sortr2([None, 1.0], [1.0], 2, "a")
        with pytest.raises(ValueError, match="no floatingpoint"):
            vantix.sortr2([1.0], [None, 1.0], 2, "a")
        with pytest.raises(ValueError):
            vantix.sortr2(x, [None, 1.0], 2, "a")
        assert x == [2.0, 1.0]

    def test_lists_are_written_back_after_the_call(self, vantix):
        x, y = [3.0, 1.0, 2.0], [30, 10, 20]
        vantix.sortr2(x, y, 3, "d")
        assert (x, y) == ([3.0, 2.0, 1.0], [30.0, 20.0, 10.0])

    def test_only_the_counted_items_are_written_back(self, vantix):
        x = [3.0, 1.0, 0.5]
        vantix.sortr1(x, 2, "a")
        assert x == [1.0, 3.0, 0.5]

    def test_an_immutable_result_sequence_raises(self, vantix):
        with pytest.raises(TypeError):
            vantix.sortr1((2.0, 1.0), 2, "a")


class Raising(list):
    """A list whose item fetch or length raises the given exception."""

    def __init__(self, items, on_item=None, on_len=None):
        super().__init__(items)
        self.on_item, self.on_len = on_item, on_len

    def __getitem__(self, i):
        if self.on_item:
            raise self.on_item
        return super().__getitem__(i)

    def __len__(self):
        if self.on_len:
            raise self.on_len
        return super().__len__()


class TestExceptionsOfTheCallersCode:
    @pytest.mark.parametrize("where", ["on_item", "on_len"])
    @pytest.mark.parametrize("call", [
        lambda v, s: v.moment(s, 2, "mean"),
        lambda v, s: v.myline(s, 2),
        lambda v, s: v.trfmat(s, 1, 2, [0.0] * 4, 2, 2),
    ], ids=["float", "integer", "matrix"])
    def test_keyboard_interrupt_propagates(self, vantix, where, call):
        with pytest.raises(KeyboardInterrupt):
            call(vantix, Raising([1, 2], **{where: KeyboardInterrupt()}))

    def test_other_exceptions_propagate_as_raised(self, vantix):
        error = RuntimeError("from the caller")
        with pytest.raises(RuntimeError) as caught:
            vantix.moment(Raising([1.0, 2.0], on_item=error), 2, "mean")
        assert caught.value is error

    def test_interrupt_in_a_matrix_row(self, vantix):
        rows = [[1.0, 2.0], Raising([3.0, 4.0], on_len=KeyboardInterrupt())]
        with pytest.raises(KeyboardInterrupt):
            vantix.trfmat(rows, 2, 2, [0.0] * 4, 2, 2)

    def test_interrupt_wins_over_later_failures_and_nothing_is_called(self, vantix):
        x = [2.0, 1.0]
        with pytest.raises(KeyboardInterrupt):
            vantix.sortr2(Raising([2.0, 1.0], on_item=KeyboardInterrupt()), [None], 2, "a")
        with pytest.raises(KeyboardInterrupt):
            vantix.sortr2(x, Raising([2.0, 1.0], on_len=KeyboardInterrupt()), 2, "a")
        assert x == [2.0, 1.0]
