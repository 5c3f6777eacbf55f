"""Beam study: the trawler widened and narrowed over ten beams.

For each variant the net's half-breadths (x) are scaled, and the script
records the displacement, the transverse metacentric height GMt and the
Holtrop resistance at one speed, then plots them against the beam.

    PYTHONPATH=build/python /usr/bin/python3 examples/beam_study.py [OUT.png]
"""
import os
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import skelmora  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
SPEED = 9.0  # knots


def main(out):
    design = skelmora.open(os.path.join(HERE, "trawler.s98"))
    base = design.net
    beams, displacements, gmts, resistances, outside = [], [], [], [], []
    units = None
    for scale in np.linspace(0.8, 1.25, 10):
        net = base.copy()
        net[:, :, 0] *= scale
        design.net = net
        hydro = design.hydrostatics()
        units = hydro["units"]
        run = design.resistance("holtrop", speeds=(SPEED, SPEED, 1.0))
        row = run["rows"][0]
        if row["total"] is None:
            print(f"beam x{scale:.2f}: outside Holtrop's data ({run['warnings']})")
            continue
        beams.append(run["inputs"]["beam"])
        displacements.append(hydro["displacementSaltwater"])
        gmts.append(hydro["gmt"])
        resistances.append(row["total"])
        # A hull outside the method's data still gets a number: mark it.
        outside.append(bool(run["warnings"]))
        for warning in run["warnings"]:
            print(f"beam {beams[-1]:.2f} m: {warning}")

    fig, axes = plt.subplots(3, 1, sharex=True, figsize=(6, 8))
    axes[0].plot(beams, displacements, "o-")
    axes[0].set_ylabel(f"Displacement, salt ({units['displacementSaltwater']})")
    axes[1].plot(beams, gmts, "o-")
    axes[1].set_ylabel(f"GMt ({units['gmt']})")
    axes[2].plot(beams, resistances, "-", color="C0")
    inside = [k for k, out in enumerate(outside) if not out]
    beyond = [k for k, out in enumerate(outside) if out]
    if inside:
        axes[2].plot([beams[k] for k in inside], [resistances[k] for k in inside], "o",
                     color="C0", label="within Holtrop-Mennen data")
    if beyond:
        axes[2].plot([beams[k] for k in beyond], [resistances[k] for k in beyond], "o",
                     mfc="none", color="C3", label="outside Holtrop-Mennen data")
    axes[2].legend(fontsize="small")
    axes[2].set_ylabel(f"Holtrop total at {SPEED:g} kn (kN)")
    axes[2].set_xlabel("Waterline beam (m)")
    fig.suptitle("Trawler: beam study")
    fig.tight_layout()
    fig.savefig(out, dpi=100)
    print(f"Wrote {out}: {len(beams)} variants")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "beam_study.png")
