"""Sequences that export a buffer (NumPy arrays, array.array, memoryview):
read and written in memory with the rules and errors of lists."""
import array

import pytest

np = pytest.importorskip("numpy")

VALUES = [3.0, -1.0, 2.5, 0.0, 7.0]


def sorted_as_list(values, order="a"):
    return sorted((float(v) for v in values), reverse=order == "d")


def read_only(a):
    a.flags.writeable = False
    return a


class TestFloatArrays:
    @pytest.mark.parametrize("dtype", ["float16", "float32", "float64", "longdouble", "int32", "int64",
                                       "uint8", ">f8", "<i4", ">u2"])
    def test_every_numeric_dtype_reads_like_the_list(self, vantix, dtype):
        values = [3, 1, 2, 250, 0]
        assert vantix.moment(np.array(values, dtype), 5, "mean") == vantix.moment(values, 5, "mean")

    def test_bool_reads_like_a_list_of_bools(self, vantix):
        assert vantix.moment(np.array([True, False, True]), 3, "mean") == vantix.moment([True, False, True], 3,
                                                                                         "mean")

    def test_written_back_in_place_for_float_dtypes(self, vantix):
        for dtype in ("float32", "float64", ">f4", "longdouble"):
            x = np.array(VALUES, dtype)
            assert vantix.sortr1(x, 5, "a") is None
            assert x.tolist() == sorted_as_list(VALUES)

    def test_single_precision_rounding_and_special_values_match_lists(self, vantix):
        values = [0.1, 1e39, -1e-46, float("nan"), float("inf"), -float("inf"), 2**60 + 1, 16777217]
        listed = list(values)
        vantix.trfco1(listed, len(values), "degrees", "degrees")
        arr = np.array(values)
        vantix.trfco1(arr, len(values), "degrees", "degrees")
        np.testing.assert_array_equal(arr, np.array(listed))
        ints = np.array([2**60 + 1, -(2**53) - 1, 16777217], np.int64)
        assert vantix.moment(ints, 3, "mean") == vantix.moment(ints.tolist(), 3, "mean")

    def test_strided_and_reversed_views_are_read_and_written_through(self, vantix):
        base = np.arange(10.0)[::-1].copy()          # 9 .. 0
        view = base[::3]                             # 9 6 3 0
        vantix.sortr1(view, 4, "a")
        assert base.tolist() == [0, 8, 7, 3, 5, 4, 6, 2, 1, 9]
        column = np.array([[1.0, 30.0], [2.0, 10.0], [3.0, 20.0]])
        vantix.sortr1(column[::-1, 1], 3, "d")
        assert column.tolist() == [[1.0, 10.0], [2.0, 20.0], [3.0, 30.0]]

    def test_array_array_and_memoryview(self, vantix):
        a = array.array("d", VALUES)
        vantix.sortr1(a, 5, "a")
        assert a.tolist() == sorted_as_list(VALUES)
        f = array.array("f", VALUES)
        vantix.sortr1(memoryview(f)[1:], 4, "d")
        assert f.tolist() == [3.0] + sorted_as_list(VALUES[1:], "d")
        assert vantix.moment(memoryview(bytes([1, 2, 3])), 3, "mean") == pytest.approx(2.0)

    def test_extra_elements_ignored_and_too_short_is_out_of_range(self, vantix):
        assert vantix.moment(np.array([1.0, 3.0, 100.0]), 2, "mean") == pytest.approx(2.0)
        with pytest.raises(MemoryError, match="^out of range$"):
            vantix.moment(np.zeros(2), 3, "mean")
        with pytest.raises(MemoryError, match="^out of range$"):
            vantix.moment(array.array("i"), 1, "mean")

    @pytest.mark.parametrize("make", [lambda: np.zeros((3, 2)), lambda: np.zeros(3, complex),
                                      lambda: np.array([1.0, None], object)])
    def test_what_a_list_refuses_is_refused_alike(self, vantix, make):
        with pytest.raises(ValueError, match="^no floatingpoint element in sequence$"):
            vantix.moment(make(), 2, "mean")

    def test_object_arrays_of_numbers_are_read_as_lists(self, vantix):
        assert vantix.moment(np.array([1.0, 2, True], object), 3, "mean") == pytest.approx(4 / 3)

    def test_scalar_is_not_a_sequence(self, vantix):
        with pytest.raises(ValueError, match="^parameter is not a sequence$"):
            vantix.moment(np.float64(1.0), 1, "mean")


class TestIntegerArrays:
    def test_integer_dtypes_and_bool_are_accepted(self, vantix):
        for dtype in ("int8", "uint16", "int32", ">i8", "bool"):
            assert vantix.myline(np.ones(2, dtype), 2) is None

    @pytest.mark.parametrize("dtype", ["float32", "float64"])
    def test_float_buffers_fail_as_float_lists_do(self, vantix, dtype):
        with pytest.raises(ValueError, match="^no integer element in sequence$"):
            vantix.myline(np.array([1, 2], dtype), 2)

    def test_values_beyond_32_bits_overflow_as_in_lists(self, vantix):
        with pytest.raises(OverflowError, match="does not fit in 32 bits"):
            vantix.myline(np.array([1, 2**40]), 2)
        with pytest.raises(OverflowError, match="too large to convert to C long"):
            vantix.myline(np.array([2**64 - 1], np.uint64), 1)

    def test_triangle_indices_written_into_integer_arrays(self, vantix):
        x = [0.0, 1.0, 0.0, 1.0, 0.5] + [0.0] * 3
        y = [0.0, 0.0, 1.0, 1.0, 0.4] + [0.0] * 3
        lists = [[0] * 12 for _ in range(3)]
        count = vantix.triang(list(x), list(y), 5, *lists, 12)
        arrays = [np.zeros(12, dtype) for dtype in ("int32", "int64", "uint16")]
        assert vantix.triang(np.array(x), np.array(y, np.float32), 5, *arrays, 12) == count > 0
        assert [a.tolist() for a in arrays] == lists

    def test_indices_that_do_not_fit_the_elements_overflow(self, vantix):
        points = np.random.default_rng(1).random((2, 203))
        small, fits = np.zeros(401, np.int8), np.zeros(401, np.int32)
        assert vantix.triang(*points.copy(), 200, fits, fits.copy(), fits.copy(), 401) > 0
        assert fits.max() > 127
        with pytest.raises(OverflowError):
            vantix.triang(*points.copy(), 200, small, fits.copy(), fits.copy(), 401)
        assert not small.any()


class TestMatrices:
    M = [[1.0, 2.0, 3.0], [4.0, 5.0, 6.0]]

    def out_of(self, vantix, matrix, nx=2, ny=3):
        out = [0.0] * 4
        vantix.trfmat(matrix, nx, ny, out, 2, 2)
        return out

    def test_layouts_give_the_nested_list_result(self, vantix):
        expected = self.out_of(vantix, self.M)
        a = np.array(self.M)
        for matrix in (a, a.astype(np.float32), np.asfortranarray(a), a.T.copy().T,
                       np.array(self.M)[::-1][::-1], a.ravel(), np.pad(a, 1)[1:-1, 1:-1]):
            assert self.out_of(vantix, matrix) == expected
        reversed_rows = np.array(self.M[::-1])[::-1]
        assert self.out_of(vantix, reversed_rows) == expected

    def test_lists_of_array_rows(self, vantix):
        expected = self.out_of(vantix, self.M)
        assert self.out_of(vantix, [np.array(row, np.float32) for row in self.M]) == expected
        assert self.out_of(vantix, [array.array("i", [1, 2, 3]), (4, 5, 6)]) == self.out_of(vantix, [[1, 2, 3],
                                                                                                   [4, 5, 6]])
        with pytest.raises(ValueError, match="^matrix rows have different lengths$"):
            self.out_of(vantix, [np.zeros(3), np.zeros(2)])

    def test_written_into_two_dimensional_arrays(self, vantix):
        for out in (np.zeros((3, 3)), np.zeros((3, 3), np.float32), np.zeros((3, 6))[:, ::2]):
            vantix.trfmat(np.array([[1.0, 2.0], [3.0, 4.0]]), 2, 2, out, 3, 3)
            assert out.tolist() == [[1.0, 1.5, 2.0], [2.0, 2.5, 3.0], [3.0, 3.5, 4.0]]

    def test_larger_arrays_use_their_leading_values_in_storage_order(self, vantix):
        out = np.zeros((2, 2))
        vantix.trfmat(np.array([[1, 2, 9], [3, 4, 9], [9, 9, 9]]), 2, 2, out, 2, 2)
        assert out.ravel().tolist() == [1.0, 2.0, 9.0, 3.0]

    def test_too_few_values_and_too_many_dimensions(self, vantix):
        with pytest.raises(MemoryError, match="^out of range$"):
            vantix.trfmat(np.zeros((1, 3)), 2, 2, np.zeros(4), 2, 2)
        with pytest.raises(ValueError, match="^no floatingpoint element in sequence$"):
            vantix.trfmat(np.zeros((2, 2, 1)), 2, 2, np.zeros(4), 2, 2)


class TestOutputsNeedWritableFloatBuffers:
    def test_read_only_buffers_are_refused_before_the_call(self, vantix):
        for target in (read_only(np.array([2.0, 1.0])), memoryview(array.array("d", [2.0, 1.0])).toreadonly(), b"\x02\x01"):
            with pytest.raises(TypeError, match="read-only buffer"):
                vantix.sortr1(target, 2, "a")
        with pytest.raises(TypeError, match="read-only buffer"):
            vantix.trfmat([[1.0]], 1, 1, read_only(np.zeros((1, 1))), 1, 1)

    def test_integer_buffers_do_not_take_float_results(self, vantix):
        x = np.array([2, 1])
        with pytest.raises(TypeError, match="floating-point results"):
            vantix.sortr1(x, 2, "a")
        assert x.tolist() == [2, 1]
        with pytest.raises(TypeError, match="floating-point results"):
            vantix.sortr1(bytearray(b"\x02\x01"), 2, "a")
        with pytest.raises(TypeError, match="floating-point results"):
            vantix.sortr1(np.ones(2, np.float16), 2, "a")

    def test_inputs_may_be_read_only(self, vantix):
        assert vantix.moment(read_only(np.array([1.0, 3.0])), 2, "mean") == pytest.approx(2.0)

    def test_spline_writes_into_arrays(self, vantix):
        x, y = [0.0, 1.0, 2.0, 3.0], [0.0, 1.0, 0.0, 1.0]
        xs, ys = [0.0] * 200, [0.0] * 200
        count = vantix.spline(x, y, 4, xs, ys)
        xa, ya = np.zeros(200, np.float32), np.zeros(200)
        assert vantix.spline(np.array(x), np.array(y), 4, xa, ya) == count
        np.testing.assert_array_equal(xa[:count], np.float32(xs[:count]))
        with pytest.raises(TypeError, match="read-only"):
            vantix.spline(x, y, 4, read_only(np.zeros(200)), ys)
