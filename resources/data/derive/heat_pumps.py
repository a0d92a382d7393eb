#!/usr/bin/env python3
"""Derives the generic heat pumps (heat_pumps.csv) and their performance records
(heat_pump_records.csv) from heat_pump_types.csv. Run from resources/data; the outputs
are committed, the build only reads them.

Model (stated in the README): the COP at a source temperature Ts and a flow temperature
Tf is a constant share eta of the Carnot COP (Tf + 273.15) / (Tf - Ts), eta fitted to the
rating point of the type; the heating capacity at flow 35 degC changes by 2.5 % per K of
source temperature from its rated value; at flow 55 degC it is 95 % of that at 35 degC;
electric power = capacity / COP; source-side capacity = capacity - electric power. The evaporator spread of a brine or water
type is that of its rating condition; the generator derives the nominal source flow from it.
Powers are written with two decimals: capacities rounded, electric powers rounded down,
so that no record falls below the model's COP; the source side is the difference of the
written numbers.
"""
import csv
import math

SLOPE = 0.025
RATIO_55 = 0.95
FLOW2 = 55.0


def round2(x):
    return round(x * 100.0) / 100.0


def floor2(x):
    # The small allowance keeps a product like 1.16 * 100 = 115.99999 at 1.16.
    return math.floor(x * 100.0 + 1e-6) / 100.0


def carnot(ts, tf):
    return (tf + 273.15) / (tf - ts)


def main():
    types = list(csv.DictReader(open("heat_pump_types.csv", encoding="utf-8")))
    pumps = csv.writer(open("heat_pumps.csv", "w", newline="", encoding="utf-8"), lineterminator="\n")
    recs = csv.writer(open("heat_pump_records.csv", "w", newline="", encoding="utf-8"), lineterminator="\n")
    pumps.writerow(["name", "medium", "rated_kW", "rating_source_C", "rating_cop_w35",
                    "max_flow_C", "max_interpol_source_C", "min_air_C", "spread_condenser_K",
                    "spread_evaporator_K", "derivation"])
    recs.writerow(["name", "index", "source_C", "heat_w35_kW", "heat_w55_kW", "el_w35_kW",
                   "el_w55_kW", "src_w35_kW", "src_w55_kW", "flow2_C", "max_flow_C"])
    for t in types:
        ts_r = float(t["rating_source_C"])
        eta = float(t["rating_cop_w35"]) / carnot(ts_r, 35.0)
        temps = [float(x) for x in t["source_temps_C"].split(";")]
        maxflow = [float(x) for x in t["max_flow_by_source_C"].split(";")]
        for size in t["sizes_kW"].split(";"):
            name = "Generic %s %s kW" % (t["type"], size)
            q_r = float(size)
            pumps.writerow([name, t["medium"], size, t["rating_source_C"], t["rating_cop_w35"],
                            "%.0f" % max(maxflow), t["max_interpol_source_C"], t["min_air_C"], 5,
                            t["spread_evaporator_K"],
                            "heat_pump_types.csv, model of derive/heat_pumps.py (eta = %.4f)" % eta])
            for i, (ts, mf) in enumerate(zip(temps, maxflow)):
                q35 = round2(q_r * (1.0 + SLOPE * (ts - ts_r)))
                q55 = round2(q35 * RATIO_55)
                # The electric power is rounded down, so that the record's COP is never
                # below the model's (at the rating point: never below the stated COP).
                p35 = floor2(q35 / (eta * carnot(ts, 35.0)))
                p55 = floor2(q55 / (eta * carnot(ts, FLOW2)))
                recs.writerow([name, i, "%.0f" % ts] +
                              ["%.2f" % v for v in (q35, q55, p35, p55, q35 - p35, q55 - p55, FLOW2, mf)])


main()
