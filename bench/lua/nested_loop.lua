-- The nested counting loop of nested_loop.tamek: x counts to 30000 inside y counting to 1000.
local y = 0
while y < 1000 do
    local x = 0
    while x < 30000 do
        x = x + 1
    end
    y = y + 1
end
print(string.format('{"x": 30000, "y": %d}', y))
