import numpy as np
import pytest

import skelmora


@pytest.mark.parametrize("name", ["sailboat.s98", "cargo.s98"])
def test_hydrostatics_match_the_command_line(name, example, cli_json):
    design = skelmora.open(example(name))
    result = design.hydrostatics()
    assert "units" in result and len(result) > 5
    assert result == cli_json("hydro", example(name))


def test_holtrop_resistance_matches_the_command_line(example, cli_json):
    design = skelmora.open(example("cargo.s98"))
    result = design.resistance("holtrop")
    assert result["method"] and result["rows"]
    assert result == cli_json("resistance", "holtrop", example("cargo.s98"))


def test_resistance_speeds_and_overrides_match_the_command_line(example, cli_json):
    design = skelmora.open(example("cargo.s98"))
    result = design.resistance("holtrop", speeds=(8, 14, 2), water="fresh", lcb=-1.5)
    assert [row["speed"] for row in result["rows"]] == [8, 10, 12, 14]
    assert result["inputs"]["lcb"] == -1.5
    assert result == cli_json("resistance", "holtrop", example("cargo.s98"), "--speeds",
                              "8:14:2", "--water", "fresh", "--lcb", "-1.5")


def test_stability_matches_the_command_line(example, cli_json):
    design = skelmora.open(example("cargo.s98"))
    assert design.stability(max=30, step=10) == cli_json(
        "stability", example("cargo.s98"), "--max", "30", "--step", "10")


def test_assigned_net_gives_the_hydrostatics_of_the_saved_file(example, cli_json, tmp_path):
    design = skelmora.open(example("sailboat.s98"))
    before = design.hydrostatics()
    net = design.net
    # Widened by 1.1, to the four decimals the design file keeps, so that
    # the saved file holds the very net assigned.
    net[:, :, 0] = np.round(net[:, :, 0] * 1.1, 4)
    design.net = net
    # The net is held in single precision.
    assert np.array_equal(design.net, net.astype(np.float32))
    saved = str(tmp_path / "wider.s98")
    design.save(saved)
    assert np.array_equal(skelmora.open(saved).net, design.net)
    after = design.hydrostatics()
    assert after == cli_json("hydro", saved)
    # Stretched lengthwise by 1.1, the displaced volume grows by about as much.
    assert after["volume"] == pytest.approx(before["volume"] * 1.1, rel=0.02)


def test_net_is_columns_by_rows_by_four(example):
    design = skelmora.open(example("cargo.s98"))
    net = design.net
    assert net.ndim == 3 and net.shape[2] == 4
    assert np.all(net[:, :, 3] > 0)


def test_new_takes_the_command_line_parameters(tmp_path, cli_json):
    default = skelmora.new("nochine", units="m")
    wider = skelmora.new("nochine", units="m", beam=3.0)
    assert default.net.shape == wider.net.shape
    # --beam is the half beam at deck, in metres, held by the model in mm.
    hydro = wider.hydrostatics()
    assert hydro["units"]["halfBeamDeck"] == "mm"
    assert hydro["halfBeamDeck"] == pytest.approx(3000.0, rel=0.02)
    assert default.hydrostatics()["halfBeamDeck"] < 0.5 * hydro["halfBeamDeck"]
    path = str(tmp_path / "wider.s98")
    wider.save(path)
    assert hydro == cli_json("hydro", path)


@pytest.mark.parametrize("call, message", [
    (lambda: skelmora.open("/nonexistent/hull.s98"), "hull.s98"),
    (lambda: skelmora.open("drawing.txt"), ""),
    (lambda: skelmora.new("submarine"), "Unknown type: submarine"),
    (lambda: skelmora.new("box", wings=2), "does not take --wings"),
])
def test_bad_input_raises_with_the_message(call, message):
    with pytest.raises(skelmora.Error) as raised:
        call()
    assert message in str(raised.value)
    assert str(raised.value)


def test_bad_net_raises_and_leaves_the_design(example):
    design = skelmora.open(example("cargo.s98"))
    net = design.net
    with pytest.raises(skelmora.Error, match=r"shape \(\d+, \d+, 4\).*not \(3, 4\)"):
        design.net = np.zeros((3, 4))
    bad = net.copy()
    bad[0, 0, 1] = np.nan
    with pytest.raises(skelmora.Error, match="column 0, row 0"):
        design.net = bad
    assert np.array_equal(design.net, net)


def test_bad_calculation_arguments_raise(example):
    design = skelmora.open(example("cargo.s98"))
    with pytest.raises(ValueError, match="Unknown method: froude"):
        design.resistance("froude")
    with pytest.raises(ValueError, match="does not take wingspan"):
        design.resistance("holtrop", wingspan=3.0)
    with pytest.raises(ValueError):
        design.stability(max=30, step=0)


@pytest.mark.parametrize("fmt", ["stl", "offsets", "dxf"])
def test_export_writes_what_the_command_line_writes(fmt, example, tmp_path):
    import subprocess
    from conftest import CLI
    if not CLI:
        pytest.skip("SKELMORA_CLI is not set (ctest sets it)")
    mine, theirs = tmp_path / f"mine.{fmt}", tmp_path / f"theirs.{fmt}"
    skelmora.open(example("cargo.s98")).export(fmt, str(mine))
    done = subprocess.run([CLI, "export", fmt, example("cargo.s98"), "--out", str(theirs)],
                          capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    assert mine.stat().st_size > 100
    assert mine.read_bytes() == theirs.read_bytes()


def test_export_to_a_folder_that_is_not_there_raises(example):
    design = skelmora.open(example("cargo.s98"))
    with pytest.raises(skelmora.Error, match="/nonexistent/hull.stl"):
        design.export("stl", "/nonexistent/hull.stl")
    with pytest.raises(ValueError, match="Unknown export format: obj"):
        design.export("obj", "/tmp/x.obj")
