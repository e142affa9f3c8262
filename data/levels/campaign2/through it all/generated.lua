-- Generated: the path of Small Promenade, waypoints {x, y} from the start
-- to the goal; the walk keeps 360 units of free width around it.
PATH = {
    { 550, 250 },
    { 300, 550 },
    { 700, 850 },
    { 300, 1150 },
    { 300, 1450 },
    { 300, 1750 },
    { 550, 2050 },
    { 300, 2350 },
    { 300, 2650 },
    { 300, 2950 },
    { 300, 3250 },
    { 700, 3550 },
}
